# shellcheck shell=bash
# Shared by the completion tests (sourced after lib.sh): runs a completion
# file in a shell and prints what it offers. The extra argument is the shell
# (bash, zsh or fish); set $command_name before completing.
#
#   complete_words WORD...    the candidates, sorted, one a line, for the
#                             last WORD (empty for a new word) on a command
#                             line that begins with $command_name; run in
#                             $folder (default: the current one) with the
#                             environment changed by env's arguments in
#                             $settings.
#   expect_candidates NAME EXPECTED WORD...

shell=${extra_args[0]}
need_tool "$shell"
settings=()
folder=.

# completion_file COMMAND: the file of COMMAND's completion for $shell.
completion_file() {
    case $shell in
        bash) printf '%s\n' "$source_dir/completions/$1.bash" ;;
        zsh) printf '%s\n' "$source_dir/completions/_$1" ;;
        fish) printf '%s\n' "$source_dir/completions/$1.fish" ;;
        *)
            echo "unknown shell $shell" >&2
            exit 1
            ;;
    esac
}

case $shell in
    bash)
        # The function that "complete -p" names is called as readline would.
        complete_words() {
            (cd "$folder" && env "${settings[@]}" bash --norc --noprofile -c '
                [[ -n $2 ]] && source "$2"
                source "$1"
                command_name=$3
                shift 3
                read -r -a spec <<<"$(complete -p "$command_name")"
                COMP_WORDS=("$command_name" "$@")
                COMP_CWORD=$#
                COMP_LINE=${line:-${COMP_WORDS[*]}}
                COMP_POINT=${#COMP_LINE}
                "${spec[2]}" "$command_name" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
                printf "%s\n" "${COMPREPLY[@]}"' _ "$(completion_file "$command_name")" "$bash_completion" "$command_name" "$@") |
                sed '/^$/d' | sort
        }
        ;;
    zsh)
        # The completion system's helpers replaced by ones that print what
        # they are given; compset -P moves what it matches to IPREFIX, which
        # the real compadd puts in front of each candidate.
        complete_words() {
            (cd "$folder" && env "${settings[@]}" zsh -f -c '
                _describe() { local entry; for entry in ${(P)4}; do print -r -- ${entry%%:*}; done; }
                _message() { :; }
                _files() { if [[ $1 == -/ ]]; then print -r -- "<folders>"; else print -r -- "<files>"; fi; }
                _wanted() { shift 3; "$@"; }
                compset() {
                    if [[ $1 == -P && $PREFIX == ${~2}* ]]; then
                        IPREFIX=${(M)PREFIX##${~2}}
                        PREFIX=${PREFIX#$IPREFIX}
                    fi
                }
                compadd() {
                    local name
                    if [[ $1 == -a ]]; then
                        shift 2
                        for name in "$@"; do print -rl -- ${IPREFIX}${^${(P)name}}; done
                    else
                        print -rl -- "$@"
                    fi
                }
                command_name=$2
                source $1 >/dev/null
                shift 2
                words=($command_name "$@")
                CURRENT=$#words
                PREFIX=$words[CURRENT]
                IPREFIX=
                _$command_name | while IFS= read -r c; do [[ $c == $PREFIX* || $c == "<"* ]] && print -r -- $c; done
                ' _ "$(completion_file "$command_name")" "$command_name" "$@") | sed '/^$/d' | sort
        }
        ;;
    fish)
        export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_DATA_HOME=$scratch/home/data
        mkdir -p "$HOME"
        complete_words() {
            local line=$command_name word
            local -a done_words=("${@:1:$#-1}")
            for word in "${done_words[@]}"; do
                line+=" $(printf '%q' "$word")"
            done
            line+=" ${*: -1}"
            (cd "$folder" && env "${settings[@]}" fish --no-config -c 'source $argv[1]; complete -C $argv[2]' \
                "$(completion_file "$command_name")" "$line") | cut -f 1 | sed '/^$/d' | sort
        }
        ;;
esac
bash_completion=
round=

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
