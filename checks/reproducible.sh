#!/usr/bin/env bash
# Builds the three packages (.deb, portable .tar.gz, win32 .zip) twice, from
# two copies of the source in two different folders, and fails unless both
# builds give the same bytes: once with SOURCE_DATE_EPOCH set (to the last
# commit's time unless it is set already), and once without it, as a user
# builds, when the packages take their times from the last commit. Prints
# each package's SHA-256.
# The copies hold the files git tracks, as they are in the work tree, and
# the repository, for the last commit's time.
# The umask is 022, as packages are built: cpack gives the members of a .deb
# the modes the umask leaves them.
set -euo pipefail
cd "$(dirname "$0")/.."
source checks/common.sh
needs git cmake cpack tar cmp:diffutils sha256sum:coreutils dpkg-shlibdeps:dpkg-dev \
    i686-w64-mingw32-g++-posix:g++-mingw-w64-i686
epoch=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

umask 022
build_packages() { # FOLDER
    mkdir -p "$1"
    { git ls-files -z; printf '.git\0'; } | tar --null -T - -c | tar -x -C "$1"
    (
        cd "$1"
        for preset in deb release win32; do
            cmake --preset "$preset" -DBUILD_TESTING=OFF --no-warn-unused-cli >/dev/null
            cmake --build --preset "$preset" >/dev/null
            made_package "$preset"
        done
    )
}

status=0
compare_builds() { # EPOCH (empty: without SOURCE_DATE_EPOCH)
    local first second package
    if [ -n "$1" ]; then
        export SOURCE_DATE_EPOCH=$1
        echo "SOURCE_DATE_EPOCH=$1:"
    else
        unset SOURCE_DATE_EPOCH
        echo "without SOURCE_DATE_EPOCH:"
    fi
    build_packages "$work/a/flopdir" >"$work/first"
    build_packages "$work/second-build/src/flopdir" >"$work/second"
    mapfile -t first <"$work/first"
    mapfile -t second <"$work/second"
    for package in "${!first[@]}"; do
        echo "  $(sha256sum <"${first[package]}" | cut -d' ' -f1)  ${first[package]##*/} (first build)"
        echo "  $(sha256sum <"${second[package]}" | cut -d' ' -f1)  ${second[package]##*/} (second build)"
        if ! cmp -s "${first[package]}" "${second[package]}"; then
            echo "${first[package]##*/} differs between the two builds" >&2
            status=1
        fi
    done
    rm -rf "$work/a" "$work/second-build"
}

compare_builds "$epoch"
compare_builds ""
exit $status
