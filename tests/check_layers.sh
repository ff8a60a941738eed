#!/usr/bin/env bash
# Fails when a source file includes from a room above its own, or from another room of its own
# level. The rooms, from the bottom:
#   framework; common; process; inspect; select, sendmsg, msglog, find, change (the tools);
#   maindlg, cli; app.
# What two rooms of one level share moves down to a room below them both. res/ (resource ids) is
# open to every room. A folder that is not listed here fails too, so a new room is placed in the
# order on purpose.
# Usage: check_layers.sh SRC_DIR
set -euo pipefail
src="${1:?usage: check_layers.sh SRC_DIR}"

level_of() {
    case "$1" in
    framework) echo 0 ;;
    common) echo 1 ;;
    process) echo 2 ;;
    inspect) echo 3 ;;
    select | sendmsg | msglog | find | change) echo 4 ;;
    maindlg | cli) echo 5 ;;
    app) echo 6 ;;
    res) echo -1 ;;
    *) echo unknown ;;
    esac
}

status=0
while IFS= read -r -d '' file; do
    relative="${file#"$src"/}"
    room="${relative%%/*}"
    [ "$room" = "$relative" ] && continue # files at the top of src/ belong to no room
    own=$(level_of "$room")
    if [ "$own" = unknown ]; then
        echo "$relative: the room '$room' has no place in the order" >&2
        status=1
        continue
    fi
    [ "$own" -lt 0 ] && continue
    while IFS= read -r included; do
        other="${included%%/*}"
        [ "$other" = "$included" ] && continue # a sibling header of the same folder
        [ "$other" = "$room" ] && continue
        theirs=$(level_of "$other")
        [ "$theirs" = unknown ] && continue # a system or library header
        if [ "$theirs" -gt "$own" ]; then
            echo "$relative includes $included: '$other' stands above '$room'" >&2
            status=1
        elif [ "$theirs" -eq "$own" ]; then
            echo "$relative includes $included: '$other' stands beside '$room'" >&2
            status=1
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' \) -print0)

[ $status -eq 0 ] && echo "every include points to its own room or one below"
exit $status
