#!/usr/bin/env bash
# The product code checked by a second compiler: clang, for the same 64-bit Windows target and with
# every warning an error, parses each source file of src/ (syntax and meaning only: nothing is
# generated or linked). Keeps the code to standard C++ and the Win32 API, not to one compiler's
# habits.
#
#   scripts/clang-syntax.sh BUILD_DIR     BUILD_DIR: a configured Windows build (its generated headers)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build=${1:?usage: scripts/clang-syntax.sh BUILD_DIR}
# Debian's clang does not find MinGW's C++ headers of the posix thread variant by itself.
cxx=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
[ -d "$cxx" ] || { echo "clang-syntax: MinGW's C++ headers are not in $cxx" >&2; exit 1; }

flags=(--target=x86_64-w64-mingw32 -fsyntax-only -std=c++20 -Wall -Wextra -Werror
    -DUNICODE -D_UNICODE -DNOMINMAX -DSTRICT -DWINVER=0x0A00 -D_WIN32_WINNT=0x0A00
    -nostdinc++ -isystem "$cxx" -isystem "$cxx/x86_64-w64-mingw32" -isystem "$cxx/backward"
    -I "$root/src" -I "$build/generated" -isystem "$build/json-include")

cd "$root"
count=$(find src -name '*.cpp' | wc -l)
find src -name '*.cpp' -print0 | sort -z |
    xargs -0 -P "$(nproc 2>/dev/null || echo 2)" -n 8 clang++ "${flags[@]}"
echo "clang-syntax: $count files of src/ parse warning-free with clang for x86_64-w64-mingw32"
