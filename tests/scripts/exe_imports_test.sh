#!/usr/bin/env bash
# The program's import table names no Media Foundation DLL: it loads them when an MP4 recording
# starts, so it still starts on Windows editions without them (N, KN).
set -uo pipefail
exe="$1"
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p') || exit 1
echo "$dlls"
grep -qix 'kernel32.dll' <<<"$dlls" || { echo "FAIL no import table read from $exe"; exit 1; }
bad=$(grep -iE '^(mf|evr)' <<<"$dlls")
[ -z "$bad" ] || { echo "FAIL $exe imports Media Foundation: $bad"; exit 1; }
echo "ok   no Media Foundation DLL among the imports"
