#!/usr/bin/env bash
# The completion for one shell (bash, zsh or fish, the extra argument): it
# parses, and offers the switches first, the cypher tags (with those of own
# cypher files) after a spell, "details" after a tag, file names after
# --table and --csv, and nothing where a spell, terms or a number go.
source "$(dirname "$0")/lib.sh"

shell=${extra_args[0]}
need_tool "$shell"

switches=(--all-spells --consonant-root --consonant-root-match --consonant-roots
    --consonant-roots-match --consonantal-root --consonantal-root-match --consonantal-roots
    --consonantal-roots-match --csv --find --find-spells --help --html --line --match
    --reduction-match --spellbook --spells --table --version)
tags=(agrippa agrippa-reduced alphabetic alva alw alw-qabala alw-qabalah bacon baconis basic bcn
    bcns ee eng-ext engext english-ext english-extended englishext englishextended ext fb fib
    fibonacci fibsym franc-baconis francbaconis francis-bacon francisbacon j jew jew-red
    jew-reduced jew-reduction jewish jewish-red jewish-reduced jewish-reduction jewred jr kfw
    kfw-qabala kfw-qabalah kv kv-except kv-exception kvexcept kvexception kvexp kv-exp latin
    latin-agrippa oe oeng old-eng old-english or ord ordinal pri prime primes red reduced reduction
    rev reverse reverse-ord reverse-ordinal reverse-reduced reverse-reduction rev-ord rev-ordinal
    rev-red revred ro rr s satan satanic sept septenary sex s-exception s-exp sexception sexp spt
    sq square squares st stn sum sumer sumerian tr tri triangular trigonal)

case $shell in
    bash) file=$source_dir/completions/veriglyph.bash ;;
    zsh) file=$source_dir/completions/_veriglyph ;;
    fish) file=$source_dir/completions/veriglyph.fish ;;
    *)
        echo "unknown shell $shell" >&2
        exit 1
        ;;
esac

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

# complete WORD...: the candidates, sorted, one a line, for completing the
# last WORD (empty for a new word) on a command line that begins veriglyph.
case $shell in
    bash)
        complete_words() {
            bash --norc --noprofile -c '
                [[ -n $2 ]] && source "$2"
                source "$1"
                shift 2
                COMP_WORDS=(veriglyph "$@")
                COMP_CWORD=$#
                COMP_LINE=${line:-${COMP_WORDS[*]}}
                COMP_POINT=${#COMP_LINE}
                _veriglyph veriglyph "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
                printf "%s\n" "${COMPREPLY[@]}"' _ "$file" "$bash_completion" "$@" | sed '/^$/d' | sort
        }
        ;;
    zsh)
        # The completion system's helpers replaced by ones that print what
        # they are given.
        complete_words() {
            zsh -f -c '
                _describe() { local entry; for entry in ${(P)4}; do print -r -- ${entry%%:*}; done; }
                _message() { :; }
                _files() { print -r -- "<files>"; }
                _wanted() { shift 3; "$@"; }
                compadd() {
                    local name
                    if [[ $1 == -a ]]; then
                        shift 2
                        for name in "$@"; do print -rl -- ${(P)name}; done
                    else
                        print -rl -- "$@"
                    fi
                }
                source $1 >/dev/null
                shift
                words=(veriglyph "$@")
                CURRENT=$#words
                PREFIX=$words[CURRENT]
                _veriglyph | while IFS= read -r c; do [[ $c == $PREFIX* ]] && print -r -- $c; done
                ' _ "$file" "$@" | sed '/^$/d' | sort
        }
        ;;
    fish)
        export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_DATA_HOME=$scratch/home/data
        mkdir -p "$HOME"
        complete_words() {
            local line=veriglyph word
            local -a done_words=("${@:1:$#-1}")
            for word in "${done_words[@]}"; do
                line+=" $(printf '%q' "$word")"
            done
            line+=" ${*: -1}"
            fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$file" "$line" |
                cut -f 1 | sed '/^$/d' | sort
        }
        ;;
esac

# expect_candidates NAME EXPECTED WORD...
expect_candidates() {
    local name=$1 expected=$2
    shift 2
    complete_words "$@" >"$scratch/$name.got" 2>"$scratch/$name.err" || true
    if ! diff -u <(printf '%s' "$expected" | sed '/^$/d' | sort) "$scratch/$name.got" >"$scratch/diff"; then
        fail "$shell$round, $name: candidates differ:"
        head -n 40 "$scratch/diff" >&2
    fi
    expect_empty "$name" err
}

lines() {
    printf '%s\n' "$@"
}

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
expect_candidates after-table-file "" --table words.txt ""
expect_candidates match-operand "" --match ""
expect_candidates find-operand "" --find ""
expect_candidates after-match-operand "" --match Hello ""
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

finish
