#!/usr/bin/env bash
# Builds the three packages (.deb, portable .tar.gz, win32 .zip) twice, from
# two copies of the source in two different folders, with one
# SOURCE_DATE_EPOCH (the last commit's time unless it is set), and fails
# unless both builds give the same bytes. Prints each package's SHA-256.
# The copies hold the files git tracks, as they are in the work tree.
# The umask is 022, as packages are built: cpack gives the members of a .deb
# the modes the umask leaves them.
set -euo pipefail
cd "$(dirname "$0")/.."
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

umask 022
build_packages() { # FOLDER
    mkdir -p "$1"
    git ls-files -z | tar --null -T - -c | tar -x -C "$1"
    (
        cd "$1"
        for preset in deb release win32; do
            cmake --preset "$preset" -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null
            cmake --build --preset "$preset" >/dev/null
            cpack --preset "$preset" >/dev/null
        done
    )
}

build_packages "$work/a/flopdir"
build_packages "$work/second-build/src/flopdir"
echo "SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH"
status=0
for package in build/deb/flopdir_*.deb build/release/flopdir-*.tar.gz build/win32/flopdir-*.zip; do
    for first in "$work"/a/flopdir/$package; do
        second=$work/second-build/src/flopdir/${first#"$work"/a/flopdir/}
        echo "  $(sha256sum <"$first" | cut -d' ' -f1)  ${first##*/} (first build)"
        echo "  $(sha256sum <"$second" | cut -d' ' -f1)  ${second##*/} (second build)"
        cmp -s "$first" "$second" || { echo "${first##*/} differs between the two builds" >&2; status=1; }
    done
done
exit $status
