#!/usr/bin/env bash
# Prepares and tears down what the Windows tests run on: a Wine prefix inside
# the build tree, a persistent wineserver, and a virtual X display when none is
# set. Sourced by wine-run.sh; run directly as "wine-env.sh start|stop DIR".

vorn_wine_export() {   # DIR
    export WINEPREFIX="$1/prefix"
    export WINEARCH=win32
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix once; several callers may race, so the first one builds it
# under a lock and the others wait.
vorn_wine_prefix() {   # DIR
    mkdir -p "$1"
    (
        flock 9
        if [ ! -f "$WINEPREFIX/system.reg" ]; then
            wineboot -i >/dev/null 2>&1
            wineserver -w
            # Debian's Wine does not find its own TrueType fonts (Marlett draws
            # the caption buttons, Tahoma the dialogs): give them to the prefix.
            cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null
        fi
        # No window manager runs on the virtual display: windows left
        # unmanaged are hidden at once instead of after Wine's two-second
        # wait for a window manager's answer.
        if [ ! -f "$1/unmanaged.done" ]; then
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            wineserver -w
            touch "$1/unmanaged.done"
        fi
    ) 9>"$1/prefix.lock"
}

# Starts the persistent wineserver and Wine's own service processes with their
# output going nowhere: a service started later by a test program would inherit
# that program's output pipe and keep the test runner waiting.
vorn_wine_services() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine wineboot </dev/null >/dev/null 2>&1
}

# Starts Xvfb on a free display number and records it in DIR/display.
vorn_xvfb_start() {    # DIR
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
        local pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$pid" 2>/dev/null; then
            echo ":$n" >"$1/display"
            echo "$pid" >"$1/xvfb.pid"
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "wine-env: could not start Xvfb" >&2
    return 1
}

vorn_xvfb_stop() {     # DIR
    if [ -f "$1/xvfb.pid" ]; then
        kill "$(cat "$1/xvfb.pid")" 2>/dev/null
        rm -f "$1/xvfb.pid" "$1/display"
    fi
}

# Uses the recorded display when its Xvfb still runs.
vorn_display_from() {  # DIR
    if [ -f "$1/xvfb.pid" ] && kill -0 "$(cat "$1/xvfb.pid")" 2>/dev/null; then
        DISPLAY="$(cat "$1/display")"
        export DISPLAY
        return 0
    fi
    return 1
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    cmd="$1"; dir="$(mkdir -p "$2" && cd "$2" && pwd)"
    vorn_wine_export "$dir"
    case "$cmd" in
        start)
            vorn_wine_prefix "$dir" || exit 1
            if [ -z "${DISPLAY:-}" ] && ! vorn_display_from "$dir"; then
                vorn_xvfb_start "$dir" || exit 1
            fi
            vorn_wine_services
            echo "wine prefix $WINEPREFIX, display ${DISPLAY}"
            ;;
        stop)
            wineserver -k 2>/dev/null
            vorn_xvfb_stop "$dir"
            ;;
        *) echo "usage: wine-env.sh start|stop DIR" >&2; exit 2 ;;
    esac
fi
