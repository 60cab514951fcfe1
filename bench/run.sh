#!/usr/bin/env bash
# flopdir's benchmark, for a full 2D image of 150 files and for a sparse
# 3 GiB image whose directory lies past 2 GiB:
#   - the read and seek system calls made on the image and the bytes read
#     from it (strace);
#   - instructions (valgrind's callgrind): the whole process's, and the
#     listing's own share, that is flopdir's less those of an empty program
#     compiled and linked the same way (bench/empty_program.cpp): the cost
#     of the listing beyond starting and ending a process. It is not the
#     same for every build: a dynamic build's share also holds the binding
#     of the stdio functions that flopdir calls, and the deb build's listing
#     is compiled as Debian builds (see CONTRIBUTING.md);
#   - wall time, against the empty program and against cat of the same image
#     (hyperfine).
# Prints Markdown tables. Fails when a listing takes more than 6 read and
# seek calls or 3,300 bytes read on an image (it needs 3 of each and 3,269
# bytes), or when its own share passes 60,000 instructions (it takes about
# 36,000 in the static release build and 51,000 in the dynamic deb build).
# Needs strace, valgrind and hyperfine (Debian packages of the same names)
# and installs nothing.
#   bench/run.sh [BUILD_DIR]     (default build/release; a folder not yet
#                                 configured is configured as the release
#                                 build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

missing=()
for tool in cmake strace valgrind hyperfine; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
if ((${#missing[@]})); then
    echo "missing: ${missing[*]} (Debian packages of the same names)" >&2
    exit 1
fi

# Configured afresh: a folder configured before the empty program existed
# has no rule to build it yet.
if [ -f "$build/CMakeCache.txt" ]; then
    cmake "$build" >/dev/null
else
    cmake --preset release -B "$build" >/dev/null
fi
cmake --build "$build" --target flopdir make_sample empty_program >/dev/null
flopdir=$build/flopdir
empty=$build/bench/empty_program
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/make_sample" --files 150 "$work/full.d88"
"$build/make_sample" --sparse --files 150 "$work/far.d88"
images=("$work/full.d88" "$work/far.d88")
status=0

cpu=$(awk -F': *' '/^model name/ { print $2; exit }' /proc/cpuinfo)
echo "Machine: ${cpu:-unknown CPU}, $(nproc) cores, $(uname -sr); flopdir from $build"
echo

echo "### Image I/O of one listing (strace)"
echo
echo "| image | size (bytes) | reads | seeks | bytes read |"
echo "|---|---:|---:|---:|---:|"
for image in "${images[@]}"; do
    strace -o "$work/trace" -e trace=openat,open,read,pread64,readv,lseek,_llseek "$flopdir" "$image" >/dev/null
    # Follow the descriptor the image was opened on.
    read -r reads seeks bytes < <(awk -v path="$image" '
        index($0, "\"" path "\"") && /open/ { fd = $NF; next }
        fd != "" && $0 ~ "^(read|pread64|readv)\\(" fd "," { reads++; bytes += $NF }
        fd != "" && $0 ~ "^(lseek|_llseek)\\(" fd "," { seeks++ }
        END { print reads + 0, seeks + 0, bytes + 0 }' "$work/trace")
    echo "| ${image##*/} | $(stat -c %s "$image") | $reads | $seeks | $bytes |"
    if ((reads + seeks > 6 || bytes > 3300)); then
        echo "over budget: at most 6 read and seek calls and 3300 bytes read on the image" >&2
        status=1
    fi
done
echo

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        awk '/Collected :/ { print $NF }'
}
own_share_limit=60000
echo "### Instructions (valgrind --tool=callgrind)"
echo
echo "| command | whole process | the listing's own share |"
echo "|---|---:|---:|"
baseline=$(instructions "$empty")
for image in "${images[@]}"; do
    count=$(instructions "$flopdir" "$image")
    echo "| flopdir ${image##*/} (150 files) | $count | $((count - baseline)) |"
    if ((count - baseline > own_share_limit)); then
        echo "flopdir ${image##*/} takes more than $own_share_limit instructions of its own" >&2
        status=1
    fi
done
echo "| empty program | $baseline | |"
echo

echo "### Wall time (hyperfine)"
for image in "${images[@]}"; do
    echo
    hyperfine --shell=none --warmup 10 --style none --export-markdown "$work/times.md" \
        -n "flopdir ${image##*/}" "$flopdir $image" -n "empty program" "$empty" -n "cat ${image##*/}" "cat $image" \
        >/dev/null 2>"$work/hyperfine.err" || { cat "$work/hyperfine.err" >&2; exit 1; }
    cat "$work/times.md"
done
exit $status
