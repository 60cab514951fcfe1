#!/usr/bin/env bash
# The Windows builds and their tests under Wine, started as a user may find
# Wine: its server down, then kept up with wineserver -p. The tests run on
# the 32-bit build that flopdir ships where this machine runs 32-bit x86
# code, and on the 64-bit build in any case: some kernels run no 32-bit code
# at all, and so no 32-bit Wine. Then prints what flopdir.exe imports and the
# version it carries, and runs it alone in an empty folder, to show that it
# needs no DLL beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
source checks/common.sh
needs cmake wineserver:wine /usr/lib/wine/wine64:wine64 \
    x86_64-w64-mingw32-g++-posix:g++-mingw-w64-x86-64 i686-w64-mingw32-g++-posix:g++-mingw-w64-i686 \
    i686-w64-mingw32-objdump:binutils-mingw-w64-i686 i686-w64-mingw32-windres:binutils-mingw-w64-i686
export WINEDEBUG=-all

alone=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$alone"' EXIT

# Both ways a user may start: no server, then a persistent one.
workflow_both_ways() {
    wineserver -k 2>/dev/null || true
    echo "-- $1, Wine server down"
    cmake --workflow --preset "$1"
    echo "-- $1, after wineserver -p"
    wineserver -k 2>/dev/null || true
    wineserver -p
    cmake --workflow --preset "$1"
    wineserver -k
}

workflow_both_ways win64
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
    workflow_both_ways win32
    tested=build/win32/flopdir.exe loader=/usr/lib/wine/wine
else
    echo "-- win32: this machine runs no 32-bit Wine, so flopdir.exe is built"
    echo "   and its tests ran on the win64 build above"
    cmake --preset win32
    cmake --build --preset win32
    tested=build/win64/flopdir.exe loader=/usr/lib/wine/wine64
fi

exe=build/win32/flopdir.exe
echo "DLLs $exe imports:"
i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name/ { print "  " $3 }'
echo "Version strings it carries:"
resources=$(i686-w64-mingw32-windres -i "$exe" -O rc)
sed -n 's/^ *VALUE "\([A-Za-z]*\)", "\(.*\)"$/  \1: \2/p' <<<"$resources"
if ! grep -q 'requestedExecutionLevel level=""asInvoker""' <<<"$resources"; then
    echo "$exe carries no manifest asking for asInvoker" >&2
    exit 1
fi

cp "$tested" "$alone/"
cmake/toolchains/wine-run.sh "$loader" "$alone/flopdir.exe" examples/sample.d88 </dev/null |
    tr -d '\r' | cmp - examples/sample.txt
echo "$tested alone lists the sample as examples/sample.txt holds it"
