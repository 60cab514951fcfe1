#!/usr/bin/env bash
# Counts the read and seek system calls that one listing makes on its image,
# and the bytes it reads from it, for the bundled 2D sample and for a sparse
# image whose directory lies at 3 GiB; fails when a listing takes more than
# 8 calls or 16 KiB.
#   tools/count-image-io.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: tools/count-image-io.sh BUILD_DIR}
top=$(cd "$(dirname "$0")/.." && pwd)
command -v strace >/dev/null || { echo "strace is missing (Debian package strace)" >&2; exit 1; }
cmake --build "$build" --target flopdir make_sample >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$build/make_sample" --sparse "$work/far.d88"

status=0
printf '%-28s %12s %6s %6s %10s\n' image "size (bytes)" reads seeks "bytes read"
for image in "$top/examples/sample.d88" "$work/far.d88"; do
    strace -o "$work/trace" -e trace=openat,open,read,pread64,readv,lseek,_llseek \
        "$build/flopdir" "$image" >/dev/null
    # Follow the descriptor the image was opened on.
    read -r reads seeks bytes < <(awk -v path="$image" '
        index($0, "\"" path "\"") && /open/ { fd = $NF; next }
        fd != "" && $0 ~ "^(read|pread64|readv)\\(" fd "," { reads++; bytes += $NF }
        fd != "" && $0 ~ "^(lseek|_llseek)\\(" fd "," { seeks++ }
        END { print reads + 0, seeks + 0, bytes + 0 }' "$work/trace")
    printf '%-28s %12s %6d %6d %10d\n' "${image##*/}" "$(stat -c %s "$image")" "$reads" "$seeks" "$bytes"
    if (( reads + seeks > 8 || bytes > 16384 )); then
        echo "over budget: at most 8 read and seek calls and 16384 bytes" >&2
        status=1
    fi
done
exit $status
