#!/usr/bin/env bash
# Builds the fuzz preset and fuzzes the image reading and the listing for
# SECONDS (default 60), starting from the seed images and from what earlier
# runs kept in build/fuzz/corpus. A finding is saved as build/fuzz/crash-*
# and fails the run.
#   fuzz/run.sh [SECONDS]
set -euo pipefail
seconds=${1:-60}
cd "$(dirname "$0")/.."
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build=build/fuzz
mkdir -p "$build/seeds" "$build/corpus"
"$build/fuzz/make_fuzz_seeds" "$build/seeds"
# -max_len: a legal image needs a header and twelve sector records.
status=0
"$build/fuzz/list_image_fuzz" -max_total_time="$seconds" -max_len=8192 -print_final_stats=1 \
    -artifact_prefix="$build/" "$build/corpus" "$build/seeds" >"$build/fuzz.log" 2>&1 || status=$?
grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number_of_executed_units|average_exec_per_sec)|ERROR|SUMMARY|Test unit written' \
    "$build/fuzz.log" || true
exit "$status"
