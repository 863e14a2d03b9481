#!/usr/bin/env bash
# The completion of veriglyph for one shell (bash, zsh or fish, the extra
# argument): it parses, and offers the switches first, the cypher tags (with
# those of own cypher files, here or in the data home) after a spell,
# "details" after a tag, file names and then comma-separated tags after
# --table and --csv, a file name after --scan, and nothing where a spell,
# terms or a number go.
source "$(dirname "$0")/lib.sh"

switches=(--all-spells --consonant-root --consonant-root-match --consonant-roots
    --consonant-roots-match --consonantal-root --consonantal-root-match --consonantal-roots
    --consonantal-roots-match --csv --find --find-spells --help --html --line --match
    --reduction-match --scan --serve --spellbook --spells --table --version)
tags=(agrippa agrippa-reduced alphabetic alva alw alw-qabala alw-qabalah bacon baconis basic bcn
    bcns ee eng-ext engext english-ext english-extended englishext englishextended ext fb fib
    fibonacci fibsym franc-baconis francbaconis francis-bacon francisbacon j jew jew-red
    jew-reduced jew-reduction jewish jewish-red jewish-reduced jewish-reduction jewred jr kfw
    kfw-qabala kfw-qabalah kv kv-except kv-exception kvexcept kvexception kvexp kv-exp latin
    latin-agrippa oe oeng old-eng old-english or ord ordinal pri prime primes red reduced reduction
    rev reverse reverse-ord reverse-ordinal reverse-reduced reverse-reduction rev-ord rev-ordinal
    rev-red revred ro rr s satan satanic sept septenary sex s-exception s-exp sexception sexp spt
    sq square squares st stn sum sumer sumerian tr tri triangular trigonal)

source "$(dirname "$0")/completion_lib.sh"
command_name=veriglyph
file=$(completion_file veriglyph)

run syntax "$shell" -n "$file"
expect_status syntax 0
expect_empty syntax out
expect_empty syntax err

# A working folder with files and own cyphers, one with a CR LF tags line,
# one with words that are no tags (they must be left out, and never expanded).
work=$scratch/work
mkdir -p "$work/spellbook/Cyphers" "$work/sub dir"
printf '# mine\r\nname: Mine\r\ntags: zork zorkish\r\nA 1\r\n' >"$work/spellbook/Cyphers/mine.txt"
printf 'name: Odd\ntags: zeta z9 z-x * $(touch\tpwned) zany\n' >"$work/spellbook/Cyphers/odd.txt"
printf 'tags: zilch\n' >"$work/spellbook/Cyphers/ignored.csv"
: >"$work/words.txt"
: >"$work/with blank.txt"
cd "$work"

fish_files=
[[ $shell == fish ]] && fish_files=$(printf '%s\n' 'spellbook/' 'sub dir/' 'with blank.txt' 'words.txt')
case $shell in
    bash) files=$(lines spellbook 'sub dir' 'with blank.txt' words.txt) ;;
    zsh) files='<files>' ;;
    fish) files=$fish_files ;;
esac

check_cases() {
expect_candidates all-switches "$(lines "${switches[@]}")" --
expect_candidates consonant-switches "$(lines "${switches[@]}" | grep '^--consonant')" --consonant
expect_candidates all-tags "$(lines "${tags[@]}" zany zeta zork zorkish)" Hello ""
expect_candidates tags-al "$(lines alphabetic alva alw alw-qabala alw-qabalah)" "Hello World" al
expect_candidates own-tags "$(lines zany zeta zork zorkish)" Hello z
expect_candidates details "details" Hello ord ""
expect_candidates details-de "details" "Hello World" kvexception de
expect_candidates after-details "" Hello ord details ""
expect_candidates table-files "$files" --table ""
expect_candidates csv-files "$files" --csv ""
expect_candidates table-tags "$(lines "${tags[@]}" zany zeta zork zorkish)" --table words.txt ""
expect_candidates csv-tags-re "$(lines "${tags[@]}" | grep '^re' | sed 's/^/ord,/')" --csv words.txt ord,re
expect_candidates csv-own-tags "$(lines zany zeta zork zorkish | sed 's/^/ord,sumer,/')" --csv words.txt ord,sumer,z
expect_candidates after-table-tags "" --table words.txt ord ""
expect_candidates scan-files "$files" --scan ""
expect_candidates scan-terms "" --scan words.txt ""
expect_candidates scan-maxwords "" --scan words.txt 33ord ""
expect_candidates match-operand "" --match ""
expect_candidates find-operand "" --find ""
expect_candidates after-match-operand "" --match Hello ""
expect_candidates serve-operand "" --serve ""
}

bash_completion=
round=
check_cases
# bash again with the bash-completion package's helpers, which keep a spell
# holding "=" or ":" in one word although readline splits it.
if [[ $shell == bash && -f /usr/share/bash-completion/bash_completion ]]; then
    bash_completion=/usr/share/bash-completion/bash_completion
    round=" with bash-completion"
    check_cases
    line="veriglyph a=b:c " expect_candidates split-spell "$(lines "${tags[@]}" zany zeta zork zorkish)" a = b : c ""
fi
[[ ! -e $work/pwned ]] || fail "$shell: a word of a cypher file was run as a command"

# In a folder without spellbook/, the own tags are those of the data home:
# $VERIGLYPH_HOME, else $XDG_DATA_HOME/veriglyph, else
# $HOME/.local/share/veriglyph (an empty variable counts as unset). A
# folder's own spellbook/ comes first, as it does for veriglyph.
bash_completion=
round=
for home in vh/ xdg/veriglyph/ h/.local/share/veriglyph/; do
    mkdir -p "$scratch/$home/spellbook/Cyphers"
    printf 'name: Home\ntags: z%s\n' "${home%%/*}" >"$scratch/$home/spellbook/Cyphers/home.txt"
done
mkdir "$scratch/elsewhere"
folder=$scratch/elsewhere
settings=(VERIGLYPH_HOME="$scratch/vh" XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/h")
expect_candidates home-veriglyph "zvh" Hello z
expect_candidates home-veriglyph-tags "ord,zvh" --csv words.txt ord,z
settings=(-u VERIGLYPH_HOME XDG_DATA_HOME="$scratch/xdg" HOME="$scratch/h")
expect_candidates home-xdg "zxdg" Hello z
settings=(-u VERIGLYPH_HOME -u XDG_DATA_HOME HOME="$scratch/h")
expect_candidates home-default "zh" Hello z
settings=(VERIGLYPH_HOME= XDG_DATA_HOME= HOME="$scratch/h")
expect_candidates home-empty-variables "zh" Hello z
settings=(-u VERIGLYPH_HOME -u XDG_DATA_HOME HOME="$scratch/nobody")
expect_candidates home-none "" Hello z
folder=$work
settings=(VERIGLYPH_HOME="$scratch/vh")
expect_candidates folder-first "$(lines zany zeta zork zorkish)" Hello z

finish
