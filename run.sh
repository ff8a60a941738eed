#!/usr/bin/env bash
# Installs what is missing, builds Orvex and starts it under Wine.
# On a display ($DISPLAY set) Orvex opens there. Without one, Orvex runs in a Wine virtual desktop
# on a private Xvfb, a screenshot is written once its main window is up, and the script ends when
# Orvex exits or on Ctrl+C. Wine uses a prefix of its own under build/, never ~/.wine.
set -euo pipefail
cd "$(dirname "$0")"
. scripts/common.sh

orvex_install_deps
orvex_build_windows --target Orvex orvex_wait_window

prefix=$PWD/build/windows/wineprefix-run
state=$PWD/build/windows/wine-session-run.env
session() { scripts/wine-session.sh "$@"; }
exe=build/windows/bin/Orvex.exe

if [ -n "${DISPLAY:-}" ]; then
    session prepare "$prefix" "$state"
    export WINEPREFIX=$prefix WINEDEBUG=-all
    # On a real display Orvex's windows are ordinary windows of that display.
    wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
    exec wine "$exe"
fi

trap 'session down "$prefix" "$state"' EXIT
trap 'exit 130' INT TERM
session up "$prefix" "$state"
. "$state"
orvex_log "virtual display $DISPLAY"
session run "$prefix" "$state" "$exe" &
orvex_pid=$!
if session run "$prefix" "$state" build/windows/bin/orvex_wait_window.exe Orvex 60000; then
    shot=$PWD/build/windows/run-screenshot.png
    DISPLAY=$DISPLAY import -window root "$shot"
    orvex_log "Orvex is running; screenshot: $shot"
else
    orvex_log "Orvex's main window did not appear"
fi
wait "$orvex_pid"
