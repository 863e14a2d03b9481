# shellcheck shell=bash disable=SC2034
# Shared by the installation tests (sourced by bash): the arguments CMake
# passes, a private scratch folder, a staged installation and small checks.
#
# Arguments: cmake cpack build-dir source-dir built-binary version
#            package-version bindir datadir mandir servedir [extra...]

set -euo pipefail
export LC_ALL=C

cmake_command=$1
cpack_command=$2
build_dir=$3
source_dir=$4
built_binary=$5
version=$6
package_version=$7
bindir=$8
datadir=$9
mandir=${10}
servedir=${11}
shift 11
extra_args=("$@")

wordlist_dir=DictionaryFiles/12dicts-6.0.2/International
wordlist_files=(5d+2a.txt README.md SCOWL-COPYRIGHT.txt)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/veriglyph-install-test.XXXXXX")
cleanup() {
    chmod -R u+rwx "$scratch" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT

failures=0

fail() {
    printf 'FAIL: %s\n' "$*" >&2
    failures=$((failures + 1))
}

skip() {
    printf 'SKIP: %s\n' "$*"
    exit 77
}

finish() {
    if ((failures > 0)); then
        printf '%d check(s) failed\n' "$failures" >&2
        exit 1
    fi
    echo "all checks passed"
}

need_tool() {
    command -v "$1" >/dev/null 2>&1 || skip "$1 is not installed"
}

# stage_install DESTDIR PREFIX: cmake --install of the build tree into
# DESTDIR, for PREFIX. veriglyph-init there names PREFIX's data folder, so it
# works only once moved to PREFIX.
stage_install() {
    if ! DESTDIR=$1 "$cmake_command" --install "$build_dir" --prefix "$2" >"$scratch/install.log" 2>&1; then
        cat "$scratch/install.log" >&2
        echo "cmake --install failed" >&2
        exit 1
    fi
}

# install_to PREFIX: cmake --install of the build tree into PREFIX, where it
# is ready for use.
install_to() {
    stage_install "" "$1"
}

# run NAME COMMAND...: runs COMMAND; its stdout, stderr and exit status
# are left in $scratch/NAME.out, NAME.err and NAME.rc.
run() {
    local name=$1 status=0
    shift
    "$@" >"$scratch/$name.out" 2>"$scratch/$name.err" || status=$?
    echo "$status" >"$scratch/$name.rc"
}

# expect_status NAME STATUS
expect_status() {
    local got
    got=$(cat "$scratch/$1.rc")
    [[ $got == "$2" ]] || fail "$1: exit status $got, expected $2"
}

# expect_text NAME STREAM TEXT: the whole of stdout (out) or stderr (err).
expect_text() {
    if ! diff -u <(printf '%s' "$3") "$scratch/$1.$2" >"$scratch/diff" 2>&1; then
        fail "$1: $2 differs from what was expected:"
        head -n 60 "$scratch/diff" >&2
    fi
}

# expect_empty NAME STREAM
expect_empty() {
    if [[ -s $scratch/$1.$2 ]]; then
        fail "$1: $2 should be empty, holds:"
        head -n 20 "$scratch/$1.$2" >&2
    fi
}

# expect_same FILE1 FILE2 WHAT: byte-identical files.
expect_same() {
    if [[ ! -f $1 || ! -f $2 ]]; then
        fail "$3: missing file ($1 or $2)"
    elif ! cmp -s -- "$1" "$2"; then
        fail "$3: $1 and $2 differ"
    fi
}

# listing DIR [times]: every entry below DIR, sorted, with its kind and mode,
# a checksum for files, the target for links and, with "times", the
# modification time.
listing() {
    (
        cd -- "$1"
        find . -mindepth 1 | sort | while IFS= read -r path; do
            local stamp=
            [[ ${2-} == times ]] && stamp=" $(stat -c %y -- "$path")"
            if [[ -L $path ]]; then
                printf 'link %s -> %s\n' "$path" "$(readlink -- "$path")"
            elif [[ -d $path ]]; then
                printf 'dir %s %s%s\n' "$(stat -c %a -- "$path")" "$path" "$stamp"
            else
                printf 'file %s %s %s%s\n' "$(stat -c %a -- "$path")" "$(cksum <"$path")" "$path" "$stamp"
            fi
        done
    )
}

# The own-cypher files the repository ships (none before they exist).
shipped_cyphers() {
    local file
    for file in "$source_dir"/spellbook/Cyphers/*.txt; do
        [[ -f $file ]] && printf '%s\n' "${file##*/}"
    done
    return 0
}

# reference_tree DIR: a fresh copy of the shipped files of the repository's
# own spellbook tree (no reports, no placeholder files), with an empty
# spellbook.
reference_tree() {
    local to=$1/spellbook from=$source_dir/spellbook folder name
    mkdir -p "$to/Results" "$to/ResultsHTML" "$to/$wordlist_dir"
    for folder in "$from"/ResultsHTML/*/; do
        folder=${folder%/}
        mkdir "$to/ResultsHTML/${folder##*/}"
    done
    for name in "${wordlist_files[@]}"; do
        cp -- "$from/$wordlist_dir/$name" "$to/$wordlist_dir/$name"
    done
    if [[ -n $(shipped_cyphers) ]]; then
        mkdir "$to/Cyphers"
        shipped_cyphers | while IFS= read -r name; do
            cp -- "$from/Cyphers/$name" "$to/Cyphers/$name"
        done
    fi
    : >"$to/user_entries.txt"
}

letters=(A B C D E F G H I J K L M N O P Q R S T U V W X Y Z a b c d e f g h i j k l m n o p q r s t u v w x y z)

# init_first_run_output PREFIX: what veriglyph-init prints when it lays out
# a whole tree below PREFIX (PREFIX ends in a slash).
init_first_run_output() {
    local p=$1 name
    printf 'made %sspellbook/\n' "$p"
    printf 'made %sspellbook/Results/\n' "$p"
    printf 'made %sspellbook/ResultsHTML/\n' "$p"
    printf 'made %sspellbook/ResultsHTML/{A-Z,a-z}/\n' "$p"
    printf 'made %sspellbook/DictionaryFiles/\n' "$p"
    printf 'made %sspellbook/DictionaryFiles/12dicts-6.0.2/\n' "$p"
    printf 'made %sspellbook/%s/\n' "$p" "$wordlist_dir"
    for name in "${wordlist_files[@]}"; do
        printf 'copied %sspellbook/%s/%s\n' "$p" "$wordlist_dir" "$name"
    done
    if [[ -n $(shipped_cyphers) ]]; then
        printf 'made %sspellbook/Cyphers/\n' "$p"
        shipped_cyphers | while IFS= read -r name; do
            printf 'copied %sspellbook/Cyphers/%s\n' "$p" "$name"
        done
    fi
    printf 'made %sspellbook/user_entries.txt\n' "$p"
}

# The items of a complete tree, as the "kept" line lists them.
init_kept_items() {
    local items="spellbook/, spellbook/Results/, spellbook/ResultsHTML/, spellbook/ResultsHTML/{A-Z,a-z}/"
    items+=", spellbook/DictionaryFiles/, spellbook/DictionaryFiles/12dicts-6.0.2/, spellbook/$wordlist_dir/"
    local name
    for name in "${wordlist_files[@]}"; do
        items+=", spellbook/$wordlist_dir/$name"
    done
    if [[ -n $(shipped_cyphers) ]]; then
        items+=", spellbook/Cyphers/"
        while IFS= read -r name; do
            items+=", spellbook/Cyphers/$name"
        done < <(shipped_cyphers)
    fi
    printf '%s, spellbook/user_entries.txt' "$items"
}

# check_copyright FILE: a copyright file in Debian's machine-readable format
# whose stand-alone licence paragraph SCOWL holds the word list's notice,
# unchanged.
check_copyright() {
    local file=$1 notice=$source_dir/spellbook/$wordlist_dir/SCOWL-COPYRIGHT.txt
    [[ $(head -n 1 "$file") == "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ]] ||
        fail "copyright: first line is '$(head -n 1 "$file")'"
    grep -qx 'Upstream-Name: veriglyph' "$file" || fail "copyright: no Upstream-Name"
    # Each Files paragraph names its copyright and licence.
    awk -v RS= '/^Files:/ && !(/\nCopyright:/ && /\nLicense:/)' "$file" >"$scratch/bad-paragraphs"
    [[ ! -s $scratch/bad-paragraphs ]] || fail "copyright: a Files paragraph lacks Copyright or License"
    awk -v RS= '/^License: SCOWL\n/' "$file" | tail -n +2 | sed 's/^ //; s/^\.$//' >"$scratch/scowl-licence"
    expect_same "$notice" "$scratch/scowl-licence" "the SCOWL licence text of the copyright file"
}
