#!/usr/bin/env bash
# The completion of veriglyph-init for one shell (bash, zsh or fish, the
# extra argument): it parses, offers the options or a folder first, a folder
# after "--", and nothing after an option or a folder.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/completion_lib.sh"
command_name=veriglyph-init
file=$(completion_file veriglyph-init)

run syntax "$shell" -n "$file"
expect_status syntax 0
expect_empty syntax out
expect_empty syntax err

mkdir -p "$scratch/work/sub dir" "$scratch/work/spellbook"
: >"$scratch/work/file.txt"
cd "$scratch/work"

case $shell in
    bash) folders=$(lines 'sub dir' spellbook) ;;
    zsh) folders='<folders>' ;;
    fish) folders=$(lines 'sub dir/' spellbook/) ;;
esac
switches=(--home --help --version -h)
[[ $shell == fish ]] || switches+=(--)

check_cases() {
    expect_candidates options "$(lines "${switches[@]}")" -
    expect_candidates long-options "$(lines "${switches[@]}" | grep -e '^--h')" --h
    expect_candidates folders "$folders" ""
    expect_candidates after-dashes "$folders" -- ""
    expect_candidates after-home "" --home ""
    expect_candidates after-folder "" "sub dir" ""
}
check_cases
if [[ $shell == bash && -f /usr/share/bash-completion/bash_completion ]]; then
    bash_completion=/usr/share/bash-completion/bash_completion
    round=" with bash-completion"
    check_cases
fi

finish
