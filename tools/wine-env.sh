#!/usr/bin/env bash
# Prepares and tears down what the Windows programs run on: Wine prefixes
# inside the build tree, their wineservers, and virtual X displays.
#
# DIR/template is a prefix made once per build tree and never run in; every
# other prefix is a copy of it: DIR/prefix, shared by hand runs (tools/run.sh,
# the benchmarks, tools/screenshot), and one private prefix per test program
# run (DIR/run.*), which goes again when the program ends.
#
# Sourced by wine-run.sh and tools/screenshot; run directly as
# "wine-env.sh start|stop DIR" (ctest's fixture: make the template before the
# tests, remove what a killed run left behind after them).

vorn_wine_export() {   # PREFIX
    export WINEPREFIX="$1"
    export WINEARCH=win32
    # Wine's own messages only when asked for (VORN_WINEDEBUG, a WINEDEBUG
    # value): they cost time, and nobody reads them in a test's output.
    export WINEDEBUG="${VORN_WINEDEBUG:--all}"
    export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Makes DIR/template once; several callers may race, so the first one builds
# it under a lock and the others wait. No wineserver is left running in it.
vorn_wine_template() {   # DIR
    mkdir -p "$1"
    (
        flock 9
        local t="$1/template"
        if [ ! -f "$t/.vorn-ready" ]; then
            rm -rf "$t"
            vorn_wine_export "$t"
            wineboot -i >/dev/null 2>&1
            wineserver -w
            # Debian's Wine does not find its own TrueType fonts (Marlett draws
            # the caption buttons, Tahoma the dialogs): give them to the prefix.
            cp -n /usr/share/wine/fonts/*.ttf "$t/drive_c/windows/Fonts/" 2>/dev/null
            # No window manager runs on the virtual display: windows left
            # unmanaged are hidden at once instead of after Wine's two-second
            # wait for a window manager's answer.
            wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
            # A program that crashes prints its backtrace and ends: Wine's
            # crash dialog would wait on the virtual display for a click that
            # never comes, and the test run would hang until its time-out.
            wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
            wineserver -w
            [ -f "$t/system.reg" ] || { echo "wine-env: wineboot made no prefix in $t" >&2; exit 1; }
            touch "$t/.vorn-ready"
        fi
    ) 9>"$1/template.lock"
}

# Copies the template to PREFIX. The files are linked, not copied (a prefix
# holds about 700 MB of DLLs that Wine only reads); the registry files are
# copied, although the wineserver replaces them by renaming a new file over
# them and so would never write into the template's.
vorn_wine_clone() {    # TEMPLATE PREFIX
    rm -rf "$2"
    mkdir -p "$(dirname "$2")"
    cp -al "$1" "$2" || return 1
    rm -f "$2/.vorn-ready"
    local f
    for f in "$1"/*.reg; do
        cp --remove-destination "$f" "$2/$(basename "$f")" || return 1
    done
}

# DIR/prefix, the prefix of hand runs, cloned from the template when missing.
vorn_wine_shared() {   # DIR
    vorn_wine_template "$1" || return 1
    (
        flock 9
        [ -f "$1/prefix/system.reg" ] || vorn_wine_clone "$1/template" "$1/prefix"
    ) 9>"$1/prefix.lock"
}

# Starts the persistent wineserver and Wine's own service processes with their
# output going nowhere: a service started later by a program would inherit
# that program's output pipe and keep whoever reads it waiting.
vorn_wine_services() {
    (vorn_exec_unlocked wineserver -p) </dev/null >/dev/null 2>&1
    (vorn_exec_unlocked wine wineboot) </dev/null >/dev/null 2>&1
}

# The processor locks are the machine's, not a build tree's: test commands of
# several clones, and tools/wine-repeat.sh, run side by side share them.
vorn_cpu_lock_dir() {
    local d="${VORN_CPU_LOCKS:-/tmp/vorngui-cpu-locks}"
    mkdir -p "$d" 2>/dev/null && chmod 1777 "$d" 2>/dev/null
    echo "$d"
}

# Keeps this shell and the program it starts on one processor that no other
# run on the machine holds. Every window call of a Wine program is a message
# to the wineserver, often one to the X server too; where waking a process on
# another processor is slow (a virtual machine's, tens of microseconds), a
# window test runs several times faster on one processor than spread over
# several. With every processor held, or where the system refuses the
# pinning, the run goes unpinned, as before (tools/test.sh says so once).
# The lock is this shell's and the program's alone: the display and the
# wineserver (vorn_xvfb_start, vorn_wine_services) do not inherit it, so a
# run killed before its end leaves no processor held by them.
vorn_pin_cpu() {
    local list part first last c dir file
    list="$(taskset -pc $BASHPID 2>/dev/null)" || return 0
    dir="$(vorn_cpu_lock_dir)"
    for part in $(echo "${list##*: }" | tr , ' '); do
        first="${part%-*}"; last="${part#*-}"; last="${last%%:*}"
        for ((c = first; c <= last; c++)); do
            file="$dir/cpu.$c.lock"
            [ -e "$file" ] || (umask 0; : >>"$file") 2>/dev/null
            exec {vorn_cpu_fd}<"$file" || continue
            if flock -n "$vorn_cpu_fd"; then
                taskset -pc "$c" $BASHPID >/dev/null 2>&1 && return 0
                exec {vorn_cpu_fd}>&-
                return 0
            fi
            exec {vorn_cpu_fd}>&-
        done
    done
}

# Whether this system lets a process be pinned to a processor.
vorn_cpu_pinning_works() {
    local list c
    list="$(taskset -pc $BASHPID 2>/dev/null)" || return 1
    c="${list##*: }"; c="${c%%[,-]*}"
    (taskset -pc "$c" $BASHPID >/dev/null 2>&1)
}

# Becomes the command without the processor lock (see vorn_pin_cpu): for a
# subshell, "(vorn_exec_unlocked CMD...) &", whose $! is then CMD's.
vorn_exec_unlocked() {
    [ -z "${vorn_cpu_fd:-}" ] || exec {vorn_cpu_fd}>&-
    exec "$@"
}

# Starts Xvfb on a display number it chooses itself (so that parallel starts
# never race for one) and records it in DIR/display and its pid in
# DIR/xvfb.pid.
vorn_xvfb_start() {    # DIR
    local fifo="$1/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo" || return 1
    (vorn_exec_unlocked Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp) 3>"$fifo" </dev/null >/dev/null 2>&1 &
    local pid=$! n=""
    # The number arrives once the server accepts connections.
    read -r -t 30 n <"$fifo"
    rm -f "$fifo"
    if [ -z "$n" ] || ! kill -0 "$pid" 2>/dev/null; then
        kill "$pid" 2>/dev/null
        echo "wine-env: could not start Xvfb" >&2
        return 1
    fi
    echo ":$n" >"$1/display"
    echo "$pid" >"$1/xvfb.pid"
    export DISPLAY=":$n"
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

# Ends what runs in a private run folder (its wineserver with every process of
# its prefix, its Xvfb) and removes the folder.
vorn_run_end() {       # RUNDIR
    if [ -f "$1/prefix/system.reg" ]; then
        WINEPREFIX="$1/prefix" wineserver -k 2>/dev/null
    fi
    vorn_xvfb_stop "$1"
    rm -rf "$1"
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    cmd="${1:-}"; dir="$(mkdir -p "$2" && cd "$2" && pwd)"
    case "$cmd" in
        start)
            vorn_wine_template "$dir" || exit 1
            echo "wine template prefix $dir/template"
            ;;
        stop)
            # Runs whose wrapper was killed (a time limit) leave their folder.
            # Only those go: a run whose wrapper still lives belongs to another
            # test command, and the shared prefix and its display belong to
            # hand runs (tools/run.sh, the benchmarks), which the tests never
            # use and must never end.
            for r in "$dir"/run.*; do
                [ -d "$r" ] || continue
                owner="$(cat "$r/owner" 2>/dev/null)"
                [ -n "$owner" ] && kill -0 "$owner" 2>/dev/null && continue
                vorn_run_end "$r"
            done
            ;;
        *) echo "usage: wine-env.sh start|stop DIR" >&2; exit 2 ;;
    esac
fi
