#!/usr/bin/env bash
# Checks the shell completions: in a folder holding a.d88, B.D88, notes.txt
# and a subfolder, bash (with bash-completion) and zsh must offer the two
# images and the folder for flopdir's argument, nothing else, and nothing
# for a second argument. Prints what each shell offers.
# Needs bash-completion and zsh (Debian packages of those names).
set -euo pipefail
cd "$(dirname "$0")/.."
source checks/common.sh
needs bash zsh /usr/share/bash-completion/bash_completion:bash-completion
source_dir=$PWD
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
touch "$folder/a.d88" "$folder/B.D88" "$folder/notes.txt"
mkdir "$folder/sub"
expected=$'B.D88\na.d88\nsub'
status=0

check() { # SHELL WHAT OFFERED EXPECTED
    echo "$1, $2: $(tr '\n' ' ' <<<"$3")"
    if [ "$3" != "$4" ]; then
        echo "  expected: $(tr '\n' ' ' <<<"$4")" >&2
        status=1
    fi
}

# bash: the completion function called as readline would call it.
bash_offers() { # COMMAND LINE WORDS...
    (cd "$folder" && bash -c '
        source /usr/share/bash-completion/bash_completion
        source "$1"; shift
        COMP_LINE="$*" COMP_POINT=${#COMP_LINE} COMP_WORDS=("$@") COMP_CWORD=$(($# - 1))
        _flopdir flopdir "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sort' bash "$source_dir/completion/flopdir.bash" "$@")
}
check bash "first argument" "$(bash_offers flopdir '')" "$expected"
check bash "first argument, after 'B'" "$(bash_offers flopdir B)" "B.D88"
check bash "second argument" "$(bash_offers flopdir a.d88 '')" ""

# zsh: an interactive shell on a pseudo-terminal, sent "flopdir " and a tab;
# the list it shows is what it offers.
zsh_offers() {
    zsh -f -c '
        zmodload zsh/zpty
        zpty shell zsh -f -i
        zpty -w shell "PS1=\"> \"; fpath=($2 \$fpath); autoload -Uz compinit; compinit -u -D; cd $1; print READY"
        out=
        for i in {1..100}; do
            zpty -r -t shell chunk && out+=$chunk
            [[ $out == *READY* ]] && break
            sleep 0.1
        done
        zpty -w -n shell "flopdir "$'\''\t'\''
        out=
        for i in {1..30}; do
            zpty -r -t shell chunk && out+=$chunk
            sleep 0.1
        done
        zpty -d shell
        print -r -- "$out"' zsh "$folder" "$source_dir/completion" |
        sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' | tr -d '\r' | grep 'a\.d88' | sed 's/flopdir.*//' |
        tr -s ' ' '\n' | sed '/^$/d; s|/$||' | sort
}
check zsh "first argument" "$(zsh_offers)" "$expected"
exit $status
