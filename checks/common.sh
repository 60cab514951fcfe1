# What the checks share; sourced by each of them from the top of the source.

# Stops before a check starts, in one line, when something it runs is
# missing:  needs COMMAND[:DEBIAN_PACKAGE]...  (the package is the command's
# name unless given; a COMMAND that is a path must exist there).
needs() {
    local missing="" need command
    for need in "$@"; do
        command=${need%%:*}
        if [[ $command == /* ]]; then
            [ -e "$command" ] && continue
        else
            command -v "$command" >/dev/null && continue
        fi
        missing+="${missing:+, }$command (Debian package ${need#*:})"
    done
    if [ -n "$missing" ]; then
        echo "${0##*/} cannot run: missing $missing" >&2
        exit 1
    fi
}

# Packs the build of a preset and prints the path of the package that cpack
# reports making: never one that an earlier version left beside it.
made_package() { # PRESET
    local made
    made=$(cpack --preset "$1" | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
    if [ -z "$made" ]; then
        echo "cpack --preset $1 made no package" >&2
        return 1
    fi
    echo "$made"
}

# Fails unless the command lists the bundled sample byte for byte as
# examples/sample.txt holds it.
lists_sample() { # COMMAND...
    "$@" examples/sample.d88 </dev/null | cmp - examples/sample.txt
}
