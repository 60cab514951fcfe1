#!/bin/sh
# Runs a Windows program under Wine for CMake and CTest:
#   wine-run.sh WINE_LOADER PROGRAM.exe [ARGUMENTS...]
# The first program that Wine starts in a session also starts Wine's own
# background programs (services, device drivers), and they inherit its
# descriptors. Started from a test run, they would keep CMake's output pipe
# open long after the program ended, and CMake would wait on it until its
# time-out. So Wine is brought up first by a program with no descriptor of
# ours, whether its server is down, kept up with wineserver -p, or the prefix
# is still to be made; once its background programs run, this costs a
# fraction of a second.
set -e
loader=$1
shift
export WINEDEBUG="${WINEDEBUG--all}" WINEDLLOVERRIDES="${WINEDLLOVERRIDES-mscoree,mshtml=}"
# When Wine cannot start at all, say why in one line, before CTest reports
# only an exit status. What Wine says goes to a file: its background
# programs keep their descriptors, and a pipe would never end.
log=$(mktemp)
status=0
"$loader" cmd /c exit </dev/null >/dev/null 2>"$log" || status=$?
failure=$(cat "$log")
rm -f "$log"
if [ "$status" -ne 0 ]; then
    case $failure in
    *"xec format error"*)
        reason="exec format error: this kernel runs no 32-bit x86 code; test the 64-bit build instead: cmake --workflow --preset win64" ;;
    *)
        reason=$(printf '%s\n' "$failure" | head -n 1) ;;
    esac
    echo "wine-run.sh: $loader cannot start Windows programs here ($reason)" >&2
    exit 1
fi
exec "$loader" "$@"
