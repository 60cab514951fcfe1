# bash completion for flopdir: its one argument is a D88 image, so offer the
# files named *.d88 in any case, and folders to find them in.
_flopdir()
{
    local cur prev words cword
    _init_completion || return
    ((cword == 1)) || return
    _filedir '[dD]88'
} &&
    complete -F _flopdir flopdir
