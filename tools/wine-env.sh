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

# Whether DIR is a folder, not a link, of this user's, that nobody else may
# write: nobody else can then plant a link or a file of theirs in it.
vorn_private_dir() {   # DIR
    [ -d "$1" ] && [ ! -L "$1" ] || return 1
    local owner mode
    read -r owner mode < <(stat -c '%u %a' "$1") || return 1
    [ "$owner" = "$(id -u)" ] && (( (8#$mode & 8#022) == 0 ))
}

# The processor locks are the user's, not a build tree's: the test commands of
# all of the user's clones, and tools/wine-repeat.sh, run side by side share
# them. They live in a folder of the user's alone (made with mode 700, and
# checked when it was there before); a folder that fails the check is said and
# not used: the runs go unpinned.
vorn_cpu_lock_dir() {
    local d="${VORN_CPU_LOCKS:-}"
    if [ -z "$d" ]; then
        if [ -n "${XDG_RUNTIME_DIR:-}" ] && vorn_private_dir "$XDG_RUNTIME_DIR"; then
            d="$XDG_RUNTIME_DIR/vorngui-cpu-locks"
        else
            d="${TMPDIR:-/tmp}/vorngui-cpu-locks-$(id -u)"
        fi
    fi
    [ -e "$d" ] || [ -L "$d" ] || mkdir -m 700 "$d" 2>/dev/null
    if ! vorn_private_dir "$d"; then
        echo "wine-env: the processor locks' folder $d is not this user's alone (a link, another user's, or writable by others): not used, the test programs run unpinned" >&2
        return 1
    fi
    echo "$d"
}

# Opens the lock FILE (read only) as vorn_cpu_fd. It is made when missing
# without following a link (noclobber creates exclusively), and a link or
# anything else that is not the plain file itself is never opened.
vorn_cpu_lock_open() {   # FILE
    [ -e "$1" ] || [ -L "$1" ] || (umask 077; set -C; : >"$1") 2>/dev/null
    [ -f "$1" ] && [ ! -L "$1" ] || return 1
    exec {vorn_cpu_fd}<"$1" || return 1
    if [ "$(stat -L -c '%d:%i' "/proc/self/fd/$vorn_cpu_fd")" != "$(stat -c '%d:%i' "$1")" ]; then
        exec {vorn_cpu_fd}>&-
        return 1
    fi
}

# Keeps this shell on one processor that no other run of the user holds. Every
# window call of a Wine program is a message to the wineserver, often one to
# the X server too; where waking a process on another processor is slow (a
# virtual machine's, tens of microseconds), a window test runs several times
# faster on one processor than spread over several. With every processor held
# the run goes unpinned, as before; where the system refuses the pinning it is
# said and the run goes unpinned (VORN_CPU_PIN=0: tools/test.sh found that
# out once for all its runs). The lock is this shell's alone: the programs it
# starts (vorn_run_unlocked), the display and the wineserver
# (vorn_xvfb_start, vorn_wine_services) do not inherit it, so a run killed
# before its end frees its processor, whatever it started.
vorn_pin_cpu() {
    [ "${VORN_CPU_PIN:-1}" = 0 ] && return 0
    local me=$BASHPID cpus c dir why
    cpus="$(vorn_run_cpus "$me")" || {
        echo "wine-env: taskset cannot tell this run's processors (${cpus:-no answer}): it runs unpinned" >&2
        return 0
    }
    dir="$(vorn_cpu_lock_dir)" || return 0
    for c in $cpus; do
        vorn_cpu_lock_open "$dir/cpu.$c.lock" || continue
        if flock -n "$vorn_cpu_fd"; then
            why="$(taskset -pc "$c" "$me" 2>&1 >/dev/null)" && return 0
            echo "wine-env: taskset refused to pin this run to processor $c (${why:-no reason given}): it runs unpinned" >&2
            exec {vorn_cpu_fd}>&-
            return 0
        fi
        exec {vorn_cpu_fd}>&-
    done
}

# The numbers of the processors process PID may run on, one a line: those of
# its set (a container's, or taskset's), which need not start at 0 nor follow
# one another ("4,5", "1,3", "2-7:2"). What taskset said instead when it cannot tell.
vorn_run_cpus() {   # PID
    local list part range first last step c
    list="$(taskset -pc "$1" 2>&1)" || { echo "$list"; return 1; }
    for part in $(echo "${list##*: }" | tr , ' '); do
        range="${part%%:*}"; step=1
        [ "$range" = "$part" ] || step="${part#*:}"
        first="${range%-*}"; last="${range#*-}"
        for ((c = first; c <= last; c += step)); do echo "$c"; done
    done
}

# Whether this system lets a process be pinned to a processor.
vorn_cpu_pinning_works() {
    local cpus
    cpus="$(vorn_run_cpus $BASHPID)" || return 1
    (taskset -pc "${cpus%%$'\n'*}" $BASHPID >/dev/null 2>&1)
}

# Becomes the command without the processor lock (see vorn_pin_cpu): for a
# subshell, "(vorn_exec_unlocked CMD...) &", whose $! is then CMD's.
vorn_exec_unlocked() {
    [ -z "${vorn_cpu_fd:-}" ] || exec {vorn_cpu_fd}>&-
    exec "$@"
}

# Runs the command (or function) in the foreground without the processor lock.
vorn_run_unlocked() {
    if [ -n "${vorn_cpu_fd:-}" ]; then
        "$@" {vorn_cpu_fd}>&-
    else
        "$@"
    fi
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
