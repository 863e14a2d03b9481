# bash completion for veriglyph                              -*- shell-script -*-
#
# First argument: the mode switches. After a spell in the first position: the
# cypher tags (built-in ones, then the own ones), then "details". After
# --table and --csv: a file name, then TAGS, cypher tags separated by commas.
# After --scan: a file name, then nothing (terms and a number).
#
# The own tags are those of the spellbook veriglyph would use: ./spellbook/
# when the current folder has one, else the one in the data home
# ($VERIGLYPH_HOME, else ${XDG_DATA_HOME:-$HOME/.local/share}/veriglyph).

_veriglyph_switches='--help --version --line --find --find-spells --spells --spellbook
    --all-spells --match --html --consonant-roots --consonantal-roots --consonant-root
    --consonantal-root --consonant-roots-match --consonantal-roots-match
    --consonant-root-match --consonantal-root-match --reduction-match --table --csv --scan --serve'

_veriglyph_builtin_tags='ord ordinal basic alphabetic
    red or reduced reduction
    rev ro reverse rev-ord rev-ordinal reverse-ord reverse-ordinal
    rev-red rr revred reverse-reduced reverse-reduction
    sumer sum sumerian
    eng-ext ee ext engext englishext english-ext englishextended english-extended
    j jew jewish agrippa latin latin-agrippa alva
    jr jewred jew-red jew-reduced jew-reduction jewish-reduced jewish-reduction
    agrippa-reduced jewish-red
    s sex sexp s-exp s-exception sexception
    kv kvexp kv-exp kvexcept kv-except kv-exception kvexception
    bacon bcn fb francis-bacon francisbacon
    baconis bcns francbaconis franc-baconis
    oe oeng old-eng old-english
    satan st stn satanic
    alw alw-qabala alw-qabalah
    kfw kfw-qabala kfw-qabalah
    sept spt septenary
    pri prime primes
    tri tr trigonal triangular
    sq square squares
    fib fibonacci fibsym'

# The tags on the "tags:" line of each own-cypher file of the spellbook in
# use. Only words of ASCII letters are taken, and only the first 200 lines of
# a file are looked at.
_veriglyph_own_tags() {
    local file line tag count spellbook=./spellbook
    local -a words
    if [[ ! -d $spellbook ]]; then
        spellbook=${VERIGLYPH_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/veriglyph}/spellbook
    fi
    for file in "$spellbook"/Cyphers/*.txt; do
        [[ -f $file && -r $file ]] || continue
        count=0
        while ((count++ < 200)) && IFS= read -r line; do
            line=${line%$'\r'}
            [[ $line == tags:* ]] || continue
            read -r -a words <<<"${line#tags:}"
            for tag in "${words[@]}"; do
                [[ -n $tag && $tag != *[!A-Za-z]* ]] && printf '%s\n' "$tag"
            done
            break
        done <"$file"
    done
}

_veriglyph() {
    local cur cword
    local -a words
    if declare -F _get_comp_words_by_ref >/dev/null; then
        # Keeps a spell holding ":" or "=" in one word.
        _get_comp_words_by_ref -n =: cur words cword
    else
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
        cur=${COMP_WORDS[COMP_CWORD]}
    fi
    COMPREPLY=()

    if ((cword == 1)); then
        if [[ -z $cur || $cur == -* ]]; then
            mapfile -t COMPREPLY < <(compgen -W "$_veriglyph_switches" -- "$cur")
        fi
        return 0
    fi

    case ${words[1]} in
        --table | --csv)
            if ((cword == 2)); then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            elif ((cword == 3)); then
                # The tag after the last comma; the ones before it stay.
                local before=
                [[ $cur == *,* ]] && before=${cur%,*},
                mapfile -t COMPREPLY < <(compgen -P "$before" \
                    -W "$_veriglyph_builtin_tags $(_veriglyph_own_tags)" -- "${cur##*,}")
            fi
            ;;
        --scan)
            if ((cword == 2)); then
                compopt -o filenames 2>/dev/null
                mapfile -t COMPREPLY < <(compgen -f -- "$cur")
            fi
            ;;
        -*)
            # A switch's operand: a spell, search terms or a number.
            ;;
        *)
            if ((cword == 2)); then
                local tags
                tags="$_veriglyph_builtin_tags $(_veriglyph_own_tags)"
                mapfile -t COMPREPLY < <(compgen -W "$tags" -- "$cur")
            elif ((cword == 3)); then
                mapfile -t COMPREPLY < <(compgen -W details -- "$cur")
            fi
            ;;
    esac
    return 0
}

complete -F _veriglyph veriglyph
