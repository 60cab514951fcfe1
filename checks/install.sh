#!/usr/bin/env bash
# Checks the installed tree and the three packages: that the release flopdir
# needs no shared library, cmake --install of the release build into a
# scratch prefix, the manual page rendered by man -l without a warning, the
# zsh completion where zsh looks under /usr/local and under /usr, the
# .deb (lintian, its fields, its files, the completions where bash-completion
# and zsh look, the program it holds), the portable .tar.gz and the win32
# .zip. Each flopdir found must list the sample as examples/sample.txt
# holds it. Run after the release, deb and win32 builds.
set -euo pipefail
cd "$(dirname "$0")/.."
source checks/common.sh
needs cmake cpack readelf:binutils man:man-db lintian dpkg-deb:dpkg pkg-config:pkgconf zsh tar
for build in release deb win32; do
    [ -f "build/$build/CMakeCache.txt" ] || { echo "no build/$build: run the $build build first" >&2; exit 1; }
done
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

needed=$(readelf -d build/release/flopdir | grep NEEDED || true)
if [ -n "$needed" ]; then
    echo "build/release/flopdir needs shared libraries:" >&2
    echo "$needed" >&2
    exit 1
fi
echo "build/release/flopdir needs no shared library"

cmake --install build/release --prefix "$stage/usr/local" --strip >/dev/null
echo "cmake --install puts:"
(cd "$stage" && find . -type f | sort | sed 's/^\./  /')
lists_sample "$stage/usr/local/bin/flopdir"
warnings=$(MANWIDTH=80 man --warnings -l "$stage/usr/local/share/man/man1/flopdir.1.gz" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    echo "the manual page does not render cleanly:" >&2
    echo "$warnings" >&2
    exit 1
fi
echo "the manual page renders without a warning"
# Under either prefix that Debian's zsh searches, the completion goes where
# it looks.
zsh_fpath=$(zsh -fc 'print -l $fpath')
for prefix in /usr/local /usr; do
    DESTDIR=$stage/root cmake --install build/release --prefix "$prefix" >/dev/null
    folder=$(cd "$stage/root" && find . -name _flopdir -printf '%h')
    folder=${folder#.}
    if ! grep -qx "$folder" <<<"$zsh_fpath"; then
        echo "cmake --install --prefix $prefix puts the zsh completion in $folder, where zsh does not look" >&2
        exit 1
    fi
    echo "cmake --install --prefix $prefix puts the zsh completion in $folder, in zsh's fpath"
    rm -rf "$stage/root"
done

deb=$(made_package deb)
echo "lintian $deb (errors and warnings fail):"
lintian_status=0
report=$(lintian --fail-on error,warning --display-info "$deb" 2>&1) || lintian_status=$?
report=$(grep -v 'running with root privileges' <<<"$report" || true)
sed 's/^/  /' <<<"${report:-(no tag at all)}"
((lintian_status == 0)) || { echo "lintian fails on $deb" >&2; exit 1; }
dpkg-deb -I "$deb" | sed 's/^/  /'
dpkg-deb -c "$deb" | awk '{ print "  " $NF }'
dpkg-deb -x "$deb" "$stage/deb"
lists_sample "$stage/deb/usr/bin/flopdir"
echo "the packaged flopdir lists the sample"
bash_dir=$(pkg-config --variable=completionsdir bash-completion)
[ -f "$stage/deb$bash_dir/flopdir" ] || { echo "no bash completion in $bash_dir" >&2; exit 1; }
zsh -fc 'print -l $fpath' | grep -qx /usr/share/zsh/vendor-completions
[ -f "$stage/deb/usr/share/zsh/vendor-completions/_flopdir" ] || { echo "no zsh completion in its fpath" >&2; exit 1; }
echo "the completions are where bash-completion and zsh look"

tarball=$(made_package release)
echo "$tarball:"
tar -tzf "$tarball" | sed 's/^/  /'
tar -xzf "$tarball" -C "$stage"
top=$stage/$(basename "$tarball" .tar.gz)
lists_sample "$top/bin/flopdir"
[ -f "$top/LICENSE" ] && [ -f "$top/README.md" ]

zip=$(made_package win32)
echo "$zip:"
cmake -E tar tf "$zip" | sed 's/^/  /'
(cd "$stage" && cmake -E tar xf "$zip")
folder=$stage/$(basename "$zip" .zip)
[ -f "$folder/flopdir.exe" ] && [ -f "$folder/LICENSE" ]
if [ "$(head -c 200 "$folder/README.txt" | grep -c $'\r$')" -eq 0 ]; then
    echo "README.txt in $zip has no CR LF line ends" >&2
    exit 1
fi
echo "the .zip holds flopdir.exe, LICENSE and README.txt (CR LF) in its one folder"
