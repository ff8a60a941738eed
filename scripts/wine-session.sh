#!/usr/bin/env bash
# A private Wine session: its own prefix, a virtual X display (Xvfb) with a Wine virtual desktop,
# and one persistent wineserver, so each program starts warm.
#
#   wine-session.sh prepare PREFIX STATEFILE   create the prefix if needed
#   wine-session.sh up   PREFIX STATEFILE   prepare, start Xvfb, a virtual desktop and wineserver
#   wine-session.sh down PREFIX STATEFILE   stop everything the session started
#   wine-session.sh run  PREFIX STATEFILE PROGRAM [ARGS...]   run a program inside the session
#
# The state file records the display and the Xvfb process so later calls find them.
set -euo pipefail

command=$1 prefix=$(realpath -m "$2") state=$(realpath -m "$3")
shift 3
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64

desktop_size=1280x1024

init_prefix() {
    [ -f "$WINEPREFIX/.orvex-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    DISPLAY= wineboot -i >/dev/null 2>&1 || true
    wineserver -w
    # Debian's Wine does not find the Marlett font by itself: caption buttons would read "0 1 r".
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    # Every program of the prefix runs inside one virtual desktop, like one Windows desktop. It is
    # read when the desktop starts, so it is written before any session runs.
    DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
    DISPLAY= wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$desktop_size" /f
    wineserver -w
    touch "$WINEPREFIX/.orvex-ready"
}

free_display() {
    local n
    for n in $(seq 91 160); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            echo "$n"
            return 0
        fi
    done
    return 1
}

up() {
    if [ -f "$state" ]; then
        # shellcheck disable=SC1090
        . "$state"
        if kill -0 "$XVFB_PID" 2>/dev/null; then return 0; fi
    fi
    init_prefix
    local n
    n=$(free_display)
    Xvfb ":$n" -screen 0 "${desktop_size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1 100); do
        [ -e "/tmp/.X11-unix/X$n" ] && break
        sleep 0.05
    done
    printf 'DISPLAY=:%s\nXVFB_PID=%s\n' "$n" "$pid" >"$state"
    export DISPLAY=":$n"
    wineserver -p
    # Start the desktop now so the first program does not pay for it.
    wine explorer.exe /desktop=Default,"$desktop_size" >/dev/null 2>&1 &
    wine cmd.exe /c exit >/dev/null 2>&1 || true
}

down() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -f "$state" ]; then
        # shellcheck disable=SC1090
        . "$state"
        kill "$XVFB_PID" >/dev/null 2>&1 || true
        rm -f "$state"
    fi
}

run() {
    # shellcheck disable=SC1090
    . "$state"
    export DISPLAY
    # Now and then wine returns at once, silently and with a failure, without having run the
    # program at all (seen once in a few hundred starts). No program of ours ends that fast, so a
    # failure within 100 ms is taken for that and the start is made once more.
    local began rc
    began=$(date +%s%N)
    wine "$@" && return 0 || rc=$?
    if [ $(( ($(date +%s%N) - began) / 1000000 )) -ge 100 ]; then
        return "$rc"
    fi
    echo "[wine-session] wine returned $rc at once without running $1; starting it again" >&2
    exec wine "$@"
}

case "$command" in
prepare) init_prefix >/dev/null 2>&1 </dev/null ;;
up)
    # Daemons started here must not hold the caller's output open (CTest waits for it to close).
    up >"$state.log" 2>&1 </dev/null || { cat "$state.log" >&2; exit 1; }
    ;;
down) down ;;
run) run "$@" ;;
*)
    echo "usage: $0 prepare|up|down|run PREFIX STATEFILE [PROGRAM ARGS...]" >&2
    exit 2
    ;;
esac
