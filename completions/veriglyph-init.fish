# fish completion for veriglyph-init.
#
# First argument: the options, or a folder. After "--": a folder. Nothing
# after --home, --help, --version or a folder.

# True when the token being completed may be the folder.
function __veriglyph_init_folder
    set -l tokens (commandline -opc)
    test (count $tokens) -eq 1; or test (count $tokens) -eq 2 -a "$tokens[2]" = --
end

complete -c veriglyph-init -f
complete -c veriglyph-init -n '__fish_is_first_arg' -l home -d 'Lay out the data home'
complete -c veriglyph-init -n '__fish_is_first_arg' -s h -l help -d 'Show the help text'
complete -c veriglyph-init -n '__fish_is_first_arg' -l version -d 'Show the version'
complete -c veriglyph-init -n __veriglyph_init_folder -a '(__fish_complete_directories (commandline -ct))'
