#!/usr/bin/env bash
# Builds the win32 preset and runs its tests under Wine, with one Wine server
# kept up for the whole run (a server per program start costs seconds). Then
# runs flopdir.exe alone in an empty folder, to show that it needs no DLL
# beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "${WINEPREFIX:-$HOME/.wine}" ]; then
    wineboot --init
    wineserver -w
fi
wineserver -p || true # fails only when a server is already up
# Start Wine's own background programs now: started from inside a test run,
# they would hold its output pipe open, and CMake would wait on it.
wine cmd /c exit
alone=$(mktemp -d)
trap 'wineserver -k || true; rm -rf "$alone"' EXIT

cmake --workflow --preset win32

echo "DLLs flopdir.exe imports:"
i686-w64-mingw32-objdump -p build/win32/flopdir.exe | awk '/DLL Name/ { print "  " $3 }'
cp build/win32/flopdir.exe "$alone/"
wine "$alone/flopdir.exe" examples/sample.d88 | tr -d '\r' | cmp - <(build/release/flopdir examples/sample.d88)
echo "flopdir.exe alone lists the sample as the Linux build does"
