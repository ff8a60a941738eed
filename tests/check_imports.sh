#!/usr/bin/env bash
# An executable or library must import Windows system DLLs only: the runtime is linked in statically.
set -euo pipefail
exe=$1 # the file to check
allowed='^(kernel32|user32|gdi32|comctl32|uxtheme|advapi32|shell32|psapi|msvcrt|ole32|shlwapi|comdlg32|bcrypt|api-ms-win-.*)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ {print tolower($3)}')
[ -n "$dlls" ] || { echo "no import table found in $exe"; exit 1; }
bad=0
for dll in $dlls; do
    if [[ "$dll" =~ $allowed ]]; then echo "ok        $dll"; else echo "NOT ALLOWED $dll"; bad=1; fi
done
# Functions newer than Windows 7, where Orvex must still start, are looked up at run time instead.
late='^(GetDpiForWindow|GetSystemMetricsForDpi|GetDpiForMonitor|SystemParametersInfoForDpi|AdjustWindowRectExForDpi|SetThreadDpiAwarenessContext|GetWindowDpiAwarenessContext|GetAwarenessFromDpiAwarenessContext|AreDpiAwarenessContextsEqual)$'
for name in $(x86_64-w64-mingw32-objdump -p "$exe" | awk 'NF == 3 && $2 ~ /^[0-9]+$/ {print $3}'); do
    if [[ "$name" =~ $late ]]; then echo "NOT ALLOWED static import of $name"; bad=1; fi
done
exit $bad
