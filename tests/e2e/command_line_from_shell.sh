#!/usr/bin/env bash
# The command line as a script on Linux uses it: Orvex.com run by Wine from a shell, its JSON read
# through a pipe. Notepad's edit control is found with --find, then listed with --list --json and
# parsed by Python's json module; the exit statuses of a miss and of a usage error are checked.
# Notepad's window is then retitled and resized with --set --json, which gives the values before,
# and put back from them. --wait started before Notepad prints its window once it comes; --name of
# the edit control finds it again; --capture's PNG, read back by Python, has the window's size.
# Last, letters typed into the edit control with xdotool are seen by --log --json, each of its
# lines parsed as JSON.
# Usage: command_line_from_shell.sh SESSION_SCRIPT PREFIX STATEFILE BIN_DIR
set -euo pipefail
session=$1 prefix=$2 state=$3 bin=$4
run() { "$session" run "$prefix" "$state" "$@"; }

scratch=$(mktemp -d)
run "$bin/Orvex.com" --wait class=Notepad --timeout 60000 >"$scratch/waited" 2>&1 &
waiter=$!
run notepad.exe >/dev/null 2>&1 &
notepad=$!
# Notepad asks before it closes on what was typed into it: its edit control is told it is unchanged.
trap 'run "$bin/Orvex.com" --send class=Edit,process=notepad.exe 0x00B9 0 >/dev/null 2>&1 || true
      run "$bin/Orvex.com" --send class=Notepad WM_CLOSE >/dev/null 2>&1 || true
      wait "$notepad" 2>/dev/null || true; rm -rf "$scratch"' EXIT

handle=
for _ in $(seq 1 100); do
    handle=$(run "$bin/Orvex.com" --find class=Edit,process=notepad.exe 2>/dev/null | cut -f1 | head -1) || true
    [ -n "$handle" ] && break
    sleep 0.2
done
[ -n "$handle" ] || { echo "Notepad's edit control was not found"; exit 1; }
status=0
wait "$waiter" || status=$?
[ "$status" = 0 ] && grep -q "^0x[0-9A-F]*	Notepad	" "$scratch/waited" ||
    { echo "--wait ended with $status:"; cat "$scratch/waited"; exit 1; }
echo "--wait saw Notepad come: $(cut -f1,2 "$scratch/waited")"

# Ctrl+C: Wine hands a SIGINT to the program as CTRL_C_EVENT. The program is found by its marker
# argument, which no other process has.
interrupted_status() {
    local marker=$1 result=$scratch/interrupted.$1 pid= _
    shift
    (status=0; run "$bin/Orvex.com" "$@" >/dev/null 2>&1 || status=$?; echo "$status" >"$result") &
    for _ in $(seq 1 50); do
        pid=$(ps -eo pid=,args= | awk -v marker="$marker" '$2 ~ /Orvex\.com$/ && index($0, marker) {print $1}' | head -1)
        # A moment for the program to reach its wait: a SIGINT before Wine runs it ends it at once.
        [ -n "$pid" ] && { sleep 1; kill -INT "$pid"; break; }
        sleep 0.1
    done
    for _ in $(seq 1 50); do
        [ -s "$result" ] && { cat "$result"; return; }
        sleep 0.1
    done
}
never=OrvexNeverThere$$
interrupted=$(interrupted_status "$never" --wait "class=$never")
[ "$interrupted" = 130 ] || { echo "--wait ended by Ctrl+C gave '$interrupted', not 130"; exit 1; }
interrupted=$(interrupted_status "$handle" --watch "$handle" --interval 100)
[ "$interrupted" = 130 ] || { echo "--watch ended by Ctrl+C gave '$interrupted', not 130"; exit 1; }
echo "--wait and --watch ended by Ctrl+C with status 130"

name=$(run "$bin/Orvex.com" --name "$handle" | tr -d '\r')
found=$(run "$bin/Orvex.com" --find "$name" | cut -f1)
[ "$found" = "$handle" ] || { echo "--name gave '$name', which finds '$found', not $handle"; exit 1; }
echo "--name named the edit control $name"

run "$bin/Orvex.com" --list "$handle" --json | python3 -c '
import json, sys
listing = json.load(sys.stdin)
handle = sys.argv[1]
assert listing["format"] == "orvex-listing/1", listing["format"]
assert listing["window"] == handle, (listing["window"], handle)
rows = {row["name"]: row for row in listing["rows"]}
assert rows["Handle"]["value"] == handle and rows["Handle"]["group"] == "General"
assert rows["Image Path"]["value"].lower().endswith("notepad.exe"), rows["Image Path"]
print("listed", handle, "in", len(listing["rows"]), "rows")
' "$handle"

status=0
run "$bin/Orvex.com" --list class=NoSuchClassAnywhere >/dev/null 2>&1 || status=$?
[ "$status" = 3 ] || { echo "a target naming no window ended with $status, not 3"; exit 1; }
status=0
run "$bin/Orvex.com" --no-such-option >/dev/null 2>&1 || status=$?
[ "$status" = 1 ] || { echo "a usage error ended with $status, not 1"; exit 1; }
echo "exit statuses 3 and 1 as documented"

frame=$(run "$bin/Orvex.com" --find class=Notepad,process=notepad.exe 2>/dev/null | cut -f1 | head -1)
[ -n "$frame" ] || { echo "Notepad's window was not found"; exit 1; }
restore=$(run "$bin/Orvex.com" --set "$frame" "text=Orvex set this" size=420,330 --json | python3 -c '
import json, sys
document = json.load(sys.stdin)
assert document["format"] == "orvex-change/1", document["format"]
title, size = document["changes"]
assert title["status"] == "applied" and title["after"] == "Orvex set this", title
assert "Notepad" in title["before"], title
assert size["status"] == "applied" and size["after"] == "420,330", size
print(title["restore"]); print(size["restore"])
')
run "$bin/Orvex.com" --list "$frame" --json | python3 -c '
import json, sys
rows = {row["name"]: row["value"] for row in json.load(sys.stdin)["rows"]}
assert rows["Text"] == "Orvex set this", rows["Text"]
assert rows["Window Rect"].endswith(" 420x330"), rows["Window Rect"]
'
run "$bin/Orvex.com" --capture "$frame" --out "Z:$scratch/notepad.png" 2>/dev/null
python3 -c '
import struct, sys
data = open(sys.argv[1], "rb").read()
assert data[:8] == b"\x89PNG\r\n\x1a\n" and data[12:16] == b"IHDR", data[:16]
width, height = struct.unpack(">II", data[16:24])
assert (width, height) == (420, 330), (width, height)
print("--capture wrote a PNG of", width, "x", height)
' "$scratch/notepad.png"
mapfile -t back <<<"$restore"
run "$bin/Orvex.com" --set "$frame" "${back[1]}" "${back[0]}" >/dev/null
echo "--set changed Notepad's title and size and put them back with" "${back[@]}"

# --log prints nothing until a message comes, so letters are typed until one is seen as WM_CHAR.
. "$state"
export DISPLAY
run "$bin/Orvex.com" --set "$frame" bringtotop >/dev/null
logged=$(mktemp) summary=$(mktemp)
run "$bin/Orvex.com" --log "$handle" --json --only WM_CHAR,WM_KEYDOWN --for 10 >"$logged" 2>"$summary" &
logger=$!
for _ in $(seq 1 40); do
    xdotool type --delay 20 orvex
    grep -q '"WM_CHAR"' "$logged" && break
    sleep 0.2
done
wait "$logger"
python3 - "$handle" "$logged" "$summary" <<'PYTHON'
import json, re, sys
handle, logged, summary = sys.argv[1:]
lines = [json.loads(line) for line in open(logged, encoding="utf-8") if line.strip()]
messages = [line for line in lines if "note" not in line]
assert messages and all(line["format"] == "orvex-message/1" for line in lines), lines[:3]
assert all(line["window"] == handle for line in messages), messages[:3]
assert {line["name"] for line in messages} <= {"WM_CHAR", "WM_KEYDOWN"}, "--only let others through"
typed = [line for line in messages if line["name"] == "WM_CHAR" and line["type"] in ("S", "P")]
assert typed and typed[0]["message"] == 0x0102, typed[:1]
numbers = [line["number"] for line in lines]
assert numbers == sorted(numbers) and len(set(numbers)) == len(numbers), numbers
last = open(summary, encoding="utf-8").read().splitlines()[-1]
assert re.fullmatch(r"%d messages, \d+ lost" % len(messages), last), last
print("--log saw", len(typed), "typed characters in", len(messages), "messages:", last)
PYTHON
rm -f "$logged" "$summary"
