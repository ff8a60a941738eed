#!/usr/bin/env bash
# Makes the pictures of the user guide (docs/images/*.png) again: installs what is missing, builds
# Orvex, and in a Wine session of its own starts Notepad and Orvex with fixed settings and window
# places, drives them with real mouse and key input (xdotool) and takes each window's picture,
# cropped to the window. Run it after a change that shows on the screen and commit the pictures.
#
#   scripts/screenshots.sh
#
# Every run starts from the same state: Orvex's registry key is cleared and the window places are
# written before anything starts. The session is brought down at the end, whatever happens.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

orvex_install_deps
orvex_build_windows --target Orvex OrvexConsole orvex_wait_window

prefix=$PWD/build/windows/wineprefix-shots
state=$PWD/build/windows/wine-session-shots.env
out=$PWD/docs/images
bin=build/windows/bin
work=$(mktemp -d)
session() { scripts/wine-session.sh "$1" "$prefix" "$state" "${@:2}"; }
trap 'session down; rm -rf "$work"' EXIT
trap 'exit 130' INT TERM

# The desktop is 1280x1024. Orvex's main window at the top with room for the window tree on its
# left; Notepad below it; the message log above Notepad, clear of it, so typing into Notepad leaves
# the log whole. Nothing covers the bottom right corner, where the desktop's colour is read.
main_rect=(420 20 1060 620)     # left top right bottom
notepad_place=(420 650 640 360) # x y width height
log_rect=(10 220 1050 640)
margin=4 # pixels of desktop colour round each picture

orvex() { session run "$bin/Orvex.com" "$@"; }
reg() { session run reg "$@" >/dev/null; }
# A RECT as REG_BINARY data: four little-endian 32-bit integers.
rect_data() {
    local n v
    for n in "$@"; do
        v=$((n & 0xFFFFFFFF))
        printf '%02x%02x%02x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255))
    done
}

# The handle of Orvex's visible top-level window with exactly this caption, waited for.
window() {
    local handle
    for _ in $(seq 1 100); do
        handle=$(orvex --find 'process=Orvex.exe,top,visible' 2>/dev/null | awk -F'\t' -v t="$1" '$3 == t { print $1; exit }' || true)
        [ -n "$handle" ] && { echo "$handle"; return 0; }
        sleep 0.2
    done
    orvex_log "no window \"$1\" appeared"
    return 1
}

# "left top right bottom" of a window on the screen, from its listing.
rect_of() {
    orvex --list "$1" | sed -n 's/^Window Rect: (\(-\{0,1\}[0-9]*\), \(-\{0,1\}[0-9]*\)) - (\(-\{0,1\}[0-9]*\), \(-\{0,1\}[0-9]*\)).*/\1 \2 \3 \4/p' | head -n 1
}

# The centre of a window on the screen.
centre_of() {
    local l t r b
    read -r l t r b < <(rect_of "$1")
    echo "$(((l + r) / 2)) $(((t + b) / 2))"
}

# Clicks Orvex's main window on its caption, which makes it the active window and does nothing else.
activate_main() {
    local l t r b
    read -r l t r b < <(rect_of "$main")
    xdotool mousemove $((l + 200)) $((t + 10)) click 1
    sleep 0.3
    park_mouse
}

# The pointer where it shows no tooltip and hovers over nothing that is pictured.
park_mouse() { xdotool mousemove 1275 1019; }

# Writes docs/images/NAME.png: the window with this caption, framed by a few pixels of the
# desktop's colour (what lies round it on the screen is often another window), without metadata.
# A picture of at most 256 colours is kept as a palette picture as it is; one of more is reduced
# to 256 when the eye cannot tell (a peak signal-to-noise ratio of 50 dB or more), else kept whole.
shoot() {
    local name=$1 caption=$2 handle l t r b desktop psnr
    handle=$(window "$caption")
    read -r l t r b < <(rect_of "$handle")
    sleep 0.5 # let it finish painting
    import -window root "$work/screen.png"
    desktop=$(convert "$work/screen.png" -format '%[pixel:p{1279,1023}]' info:)
    convert "$work/screen.png" -crop "$((r - l))x$((b - t))+$l+$t" +repage \
        -bordercolor "$desktop" -border "$margin" -strip "$work/$name.png"
    if [ "$(identify -format '%k' "$work/$name.png")" -le 256 ]; then
        convert "$work/$name.png" -strip "PNG8:$work/$name-8.png"
    else
        convert "$work/$name.png" +dither -colors 256 -strip "PNG8:$work/$name-8.png"
    fi
    psnr=$(compare -metric PSNR "$work/$name.png" "$work/$name-8.png" null: 2>&1 || true)
    if awk -v p="$psnr" 'BEGIN { exit !(p == "inf" || p + 0 >= 50) }'; then
        cp "$work/$name-8.png" "$out/$name.png"
    else
        convert "$work/$name.png" -strip -define png:compression-level=9 "PNG24:$out/$name.png"
    fi
    orvex_log "$name.png: $((r - l + 2 * margin))x$((b - t + 2 * margin)), $(stat -c %s "$out/$name.png") bytes"
}

close() { orvex --send "$1" WM_CLOSE >/dev/null; sleep 0.3; }

mkdir -p "$out"
session up
# shellcheck disable=SC1090
. "$state"
export DISPLAY
orvex_log "virtual display $DISPLAY"

# The same start every time: no Orvex settings but the window places; Notepad where it is wanted.
session run reg delete 'HKCU\Software\Quillmoor\Orvex' /f >/dev/null 2>&1 || true
placement='HKCU\Software\Quillmoor\Orvex\1.2\Settings\WindowPlacement'
reg add "$placement" /v MainWindowRect /t REG_BINARY /d "$(rect_data "${main_rect[@]}")" /f
reg add "$placement" /v PlacementDpi /t REG_DWORD /d 96 /f
reg add "$placement" /v MessageLogRect /t REG_BINARY /d "$(rect_data "${log_rect[@]}")" /f
# The log leaves out the timer category: the caret's blink would fill it while the picture is taken.
# The layout: version 1, the categories shown (all ten but Timer), no single messages left out.
reg add 'HKCU\Software\Quillmoor\Orvex\1.2\Settings' /v MessageLogFilter /t REG_BINARY /d 01000000bf03000000000000 /f
notepad_values=(iWindowPosX iWindowPosY iWindowPosDX iWindowPosDY)
for i in 0 1 2 3; do
    reg add 'HKCU\Software\Microsoft\Notepad' /v "${notepad_values[i]}" /t REG_DWORD /d "${notepad_place[i]}" /f
done

session run notepad.exe >/dev/null 2>&1 &
session run "$bin/orvex_wait_window.exe" 'Untitled - Notepad' 60000
edit=$(orvex --find 'class=Edit,process=notepad.exe' | cut -f1 | head -n 1)
read -r edit_x edit_y < <(centre_of "$edit")
# Some text for WM_GETTEXTLENGTH to count in the send-message picture.
xdotool mousemove "$edit_x" "$edit_y" click 1
sleep 0.3
xdotool type --delay 40 'Notes for the Orvex guide'
park_mouse

session run "$bin/Orvex.exe" >/dev/null 2>&1 &
session run "$bin/orvex_wait_window.exe" Orvex 60000
main=$(window Orvex)
sleep 1

# The main window: the finder tool dragged onto Notepad's edit control, as a user picks it.
finder=$(orvex --find 'class=Static,process=Orvex.exe' | cut -f1 | head -n 1)
read -r finder_x finder_y < <(centre_of "$finder")
xdotool mousemove "$finder_x" "$finder_y"
sleep 0.3
xdotool mousedown 1
sleep 0.3
for step in 1 2 3 4 5; do
    xdotool mousemove $((finder_x + (edit_x - finder_x) * step / 5)) $((finder_y + (edit_y - finder_y) * step / 5))
    sleep 0.2
done
sleep 0.5
xdotool mouseup 1
sleep 0.5
park_mouse
shoot main-window Orvex

# The window tree (Ctrl+T) opens on the picked window, its toolbar focused; Tab gives the tree the
# focus. Then by process: Shift+Tab back to the toolbar, Space on its first button (by process),
# three buttons right to Synch Tree View, Space, and Tab to the tree again.
activate_main
xdotool key ctrl+t
tree=$(window 'Window Tree View')
sleep 1
xdotool key Tab
shoot window-tree 'Window Tree View'
xdotool key shift+Tab
sleep 0.3
xdotool key space
sleep 1
xdotool key Right Right Right
sleep 0.3
xdotool key space
sleep 0.5
xdotool key Tab
shoot window-tree-by-process 'Window Tree View'
close "$tree"

# Send Message (Ctrl+M): WM_GETTEXTLENGTH to the edit control, which answers with its length.
activate_main
xdotool key ctrl+m
send=$(window 'Send Message')
sleep 0.5
xdotool type '0x000E'
xdotool key Return
shoot send-message 'Send Message'
close "$send"

# The message log (Ctrl+L) follows the picked window; then some typing into Notepad.
activate_main
xdotool key ctrl+l
log=$(window 'Message Log')
sleep 1
xdotool mousemove "$edit_x" "$edit_y" click 1
sleep 0.3
xdotool key ctrl+End Return
xdotool type --delay 60 'Hello from Orvex!'
park_mouse
sleep 0.5
shoot message-log 'Message Log'
close "$log"

# Find Window (Ctrl+F) with a search typed in; it searches once the typing pauses.
activate_main
xdotool key ctrl+f
find=$(window 'Find Window')
sleep 0.5
xdotool type --delay 40 'class=Edit'
sleep 1.5
shoot find-window 'Find Window'
close "$find"

# Change Window (F2) on the edit control, the style list at WS_BORDER (typed to go to its row).
activate_main
xdotool key F2
change=$(window 'Change Window')
sleep 0.5
xdotool key alt+m
xdotool type --delay 40 'WS_BORDER'
sleep 0.5
shoot change-window 'Change Window'
close "$change"

# Options (Ctrl+O) and the about box (F1), both modal and centred on the main window.
activate_main
xdotool key ctrl+o
options=$(window 'Orvex Options')
shoot options 'Orvex Options'
close "$options"

activate_main
xdotool key F1
about=$(window 'About Orvex')
shoot about 'About Orvex'
close "$about"

close "$main"
orvex_log "pictures written to $out"
