#!/usr/bin/env bash
# Builds a release of Orvex from the committed sources in a fresh folder and writes
# DIR/Orvex-<version>-win64.zip (Orvex.exe, Orvex.com, README.txt, LICENSE.txt) and DIR/SHA256SUMS
# beside it. Two runs on one commit give the same bytes (scripts/check-reproducible.sh shows it).
#
#   scripts/release.sh [--out DIR]     DIR defaults to dist/
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

out=dist
while [ $# -gt 0 ]; do
    case "$1" in
    --out) out=${2:?--out needs a folder}; shift 2 ;;
    *) echo "usage: scripts/release.sh [--out DIR]" >&2; exit 2 ;;
    esac
done

# A release is a commit: what is not committed would be in the zip without being in the sources.
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
    echo "release: the working tree has changes that are not committed; commit them first" >&2
    exit 1
fi
orvex_install_deps

work=$(mktemp -d "${TMPDIR:-/tmp}/orvex-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/src" "$work/stage"
git archive HEAD | tar -x -C "$work/src"
orvex_log "building $(git rev-parse --short HEAD) in $work"
(cd "$work/src" && cmake --preset windows >/dev/null &&
    cmake --build --preset windows -j "$(orvex_jobs)" --target Orvex OrvexConsole >/dev/null)

build="$work/src/build/windows"
version=$(sed -n 's/^#define ORVEX_VERSION_STRING "\(.*\)"$/\1/p' "$build/generated/common/ProductVersion.h")
[ -n "$version" ] || { echo "release: no version in the build" >&2; exit 1; }

cp "$build/bin/Orvex.exe" "$build/bin/Orvex.com" "$work/stage/"
# Texts for Windows: CRLF line ends, the version filled in.
sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' docs/README-windows.txt >"$work/stage/README.txt"
python3 scripts/licence_text.py "$work/src/src/app/ProductTexts.h" "$version" >"$work/stage/LICENSE.txt"

zip="Orvex-$version-win64.zip"
mkdir -p "$out"
rm -f "$out/$zip" "$out/SHA256SUMS"
python3 scripts/make_zip.py "$out/$zip" "$(git log -1 --format=%ct HEAD)" "$work/stage"/*
(cd "$out" && sha256sum "$zip" >SHA256SUMS)
orvex_log "wrote $out/$zip ($(stat -c %s "$out/$zip") bytes) and $out/SHA256SUMS"
cat "$out/SHA256SUMS"
