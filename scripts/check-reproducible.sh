#!/usr/bin/env bash
# Proves that a release is reproducible: builds the current commit twice with scripts/release.sh,
# in two fresh folders a while apart, and compares Orvex.exe, Orvex.com and the zip byte for byte.
#
#   scripts/check-reproducible.sh      exit 0 when both builds are identical
set -euo pipefail
cd "$(dirname "$0")/.."

runs=$(mktemp -d "${TMPDIR:-/tmp}/orvex-reproducible.XXXXXX")
trap 'rm -rf "$runs"' EXIT

for run in first second; do
    scripts/release.sh --out "$runs/$run" >/dev/null
    mkdir "$runs/$run/unpacked"
    python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' \
        "$runs/$run"/Orvex-*-win64.zip "$runs/$run/unpacked"
    # Later than the first build by the clock too, should a time stamp leak in.
    [ "$run" = first ] && sleep 2
done

status=0
zip=$(basename "$runs"/first/Orvex-*-win64.zip)
for file in "unpacked/Orvex.exe" "unpacked/Orvex.com" "$zip"; do
    a="$runs/first/$file" b="$runs/second/$file"
    printf '%-22s %9s bytes  %s\n' "$(basename "$file")" "$(stat -c %s "$a")" "$(sha256sum <"$a" | cut -d' ' -f1)"
    printf '%-22s %9s bytes  %s\n' "" "$(stat -c %s "$b")" "$(sha256sum <"$b" | cut -d' ' -f1)"
    if cmp -s "$a" "$b"; then echo "  identical"; else echo "  DIFFERENT"; status=1; fi
done
[ $status -eq 0 ] && echo "reproducible: two builds of $(git rev-parse --short HEAD) are identical"
exit $status
