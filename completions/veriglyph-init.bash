# bash completion for veriglyph-init                         -*- shell-script -*-
#
# First argument: the options, or a folder. After "--": a folder. Nothing
# after --home, --help, --version or a folder.

_veriglyph_init_switches='--home --help --version -h --'

_veriglyph_init() {
    local cur=${COMP_WORDS[COMP_CWORD]}
    COMPREPLY=()
    if ((COMP_CWORD == 1)) && [[ $cur == -* ]]; then
        mapfile -t COMPREPLY < <(compgen -W "$_veriglyph_init_switches" -- "$cur")
    elif ((COMP_CWORD == 1)) || { ((COMP_CWORD == 2)) && [[ ${COMP_WORDS[1]} == -- ]]; }; then
        compopt -o filenames 2>/dev/null
        mapfile -t COMPREPLY < <(compgen -d -- "$cur")
    fi
    return 0
}

complete -F _veriglyph_init veriglyph-init
