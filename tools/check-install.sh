#!/usr/bin/env bash
# Checks the installed tree and the packages: that the release flopdir needs
# no shared library, cmake --install of the release build into a scratch
# prefix, the manual page rendered by man -l without a warning, the .deb's
# contents and the program it holds, and the win32 .zip. Run after the
# release and win32 builds.
set -euo pipefail
cd "$(dirname "$0")/.."
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

# The program at $1 must list the bundled sample as the release build does.
lists_sample() {
    "$1" examples/sample.d88 | cmp - <(build/release/flopdir examples/sample.d88)
}

needed=$(readelf -d build/release/flopdir | grep NEEDED || true)
if [ -n "$needed" ]; then
    echo "build/release/flopdir needs shared libraries:" >&2
    echo "$needed" >&2
    exit 1
fi
echo "build/release/flopdir needs no shared library"

cmake --install build/release --prefix "$stage/usr" --strip >/dev/null
echo "cmake --install puts:"
(cd "$stage" && find . -type f | sort | sed 's/^\./  /')
lists_sample "$stage/usr/bin/flopdir"
warnings=$(MANWIDTH=80 man --warnings -l "$stage/usr/share/man/man1/flopdir.1.gz" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "the manual page does not render cleanly:" >&2
    echo "$warnings" >&2
    exit 1
fi
echo "the manual page renders without a warning"

cpack --preset release >/dev/null
deb=$(ls build/release/flopdir_*.deb)
echo "$deb:"
dpkg-deb -f "$deb" Package Version Architecture Depends | sed 's/^/  /'
dpkg-deb -c "$deb" | awk '{ print "  " $NF }'
dpkg-deb -x "$deb" "$stage/deb"
lists_sample "$stage/deb/usr/bin/flopdir"
echo "the packaged flopdir lists the sample"

cpack --preset win32 >/dev/null
zip=$(ls build/win32/flopdir-*-win32.zip)
echo "$zip:"
cmake -E tar tf "$zip" | sed 's/^/  /'
