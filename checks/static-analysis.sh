#!/usr/bin/env bash
# Static analysis of the program in src/: clang-tidy with the checked-in
# .clang-tidy, then cppcheck; fails on any finding of either.
#   checks/static-analysis.sh BUILD_DIR    (any configured build: it holds
#                                           the compile_commands.json that
#                                           clang-tidy reads)
set -euo pipefail
build=${1:?usage: checks/static-analysis.sh BUILD_DIR}
cd "$(dirname "$0")/.."
source checks/common.sh
needs clang-tidy cppcheck
[ -f "$build/compile_commands.json" ] || { echo "no $build/compile_commands.json: configure $build first" >&2; exit 1; }
echo "clang-tidy: src/*.cpp"
status=0
findings=$(clang-tidy -p "$build" --quiet src/*.cpp 2>&1) || status=$?
grep -v 'warnings generated\.$' <<<"$findings" || true
((status == 0)) || exit "$status"
# cppcheck, once as on Linux and once as on Windows, where it does not know
# wmain as the process entry.
checks=(--enable=all --inconclusive --std=c++17 --error-exitcode=1 --quiet --suppress=missingIncludeSystem -I src)
echo "cppcheck: src/, as built for Linux"
cppcheck "${checks[@]}" -U_WIN32 src
echo "cppcheck: src/, as built for Windows"
cppcheck "${checks[@]}" --platform=win32W -D_WIN32 --suppress=unusedFunction:src/main.cpp src
echo "no findings"
