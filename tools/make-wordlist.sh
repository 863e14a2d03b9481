#!/usr/bin/env bash
# Regenerate the word list shipped with veriglyph from Debian's "scowl"
# package (Spell Checker Oriented Word Lists).
#
# Usage: tools/make-wordlist.sh [OUTPUT]
#   OUTPUT defaults to
#   spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt
#   relative to the repository root; a relative OUTPUT is taken from the
#   current directory.
#
# Selection:
#   sizes      10, 20, 35, 40, 50
#   spellings  english, american, british
#   kinds      words, upper, proper-names, abbreviations, contractions
#              (whichever files exist for a given size)
#   dropped    possessives (every entry ending in "'s"), entries with
#              non-ASCII letters (so that every first character names a
#              plain letter folder of the HTML page set) and empty lines
#
# Output: UTF-8, duplicates removed, sorted in byte order (LC_ALL=C),
# one entry per line, every line ending in CR LF.
set -euo pipefail

export LC_ALL=C

# An output path given on the command line is taken relative to the
# caller's directory; the default one relative to the repository root.
out=""
if [ "$#" -ge 1 ] && [ -n "$1" ]; then
    case $1 in
        /*) out=$1 ;;
        *) out="$PWD/$1" ;;
    esac
fi

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
repo_root=$(cd "$script_dir/.." && pwd)
cd "$repo_root"

default_out="spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt"
out=${out:-$default_out}

scowl_dir=/usr/share/dict/scowl

# Install the package if it is missing (does nothing when it is present).
if [ ! -d "$scowl_dir" ]; then
    if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y scowl
fi
if [ ! -d "$scowl_dir" ]; then
    echo "make-wordlist: $scowl_dir not found after installing scowl" >&2
    exit 1
fi

sizes=(10 20 35 40 50)
spellings=(english american british)
kinds=(words upper proper-names abbreviations contractions)

inputs=()
for size in "${sizes[@]}"; do
    for spelling in "${spellings[@]}"; do
        for kind in "${kinds[@]}"; do
            f="$scowl_dir/$spelling-$kind.$size"
            if [ -f "$f" ]; then
                inputs+=("$f")
            fi
        done
    done
done
if [ "${#inputs[@]}" -eq 0 ]; then
    echo "make-wordlist: no SCOWL input files found in $scowl_dir" >&2
    exit 1
fi

# Upstream SCOWL files are ISO-8859-1; Debian's package ships them already
# converted to UTF-8. Convert a file only when it is not valid UTF-8, so
# that both kinds give the same, correctly encoded output.
to_utf8() {
    if iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1; then
        cat "$1"
    else
        iconv -f ISO-8859-1 -t UTF-8 "$1"
    fi
}

out_dir=$(dirname "$out")
mkdir -p "$out_dir"
tmp=$(mktemp "$out_dir/.wordlist.XXXXXX")
trap 'rm -f "$tmp"' EXIT

for f in "${inputs[@]}"; do
    to_utf8 "$f"
done |
    tr -d '\r' |
    sed -e 's/[[:space:]]*$//' -e 's/^[[:space:]]*//' |
    grep -v -e "'s\$" -e '^$' -e "$(printf '[\200-\377]')" |
    sort -u |
    sed -e 's/$/\r/' >"$tmp"

# Sanity checks on the result.
if ! iconv -f UTF-8 -t UTF-8 "$tmp" >/dev/null 2>&1; then
    echo "make-wordlist: output is not valid UTF-8" >&2
    exit 1
fi
if grep -q "$(printf '\t')" "$tmp"; then
    echo "make-wordlist: output contains a tab" >&2
    exit 1
fi
if grep -q "$(printf '\r')." "$tmp"; then
    echo "make-wordlist: output contains a stray CR" >&2
    exit 1
fi

chmod 644 "$tmp"
mv -f "$tmp" "$out"
trap - EXIT

count=$(wc -l <"$out")
bytes=$(wc -c <"$out")
echo "make-wordlist: wrote $count entries ($bytes bytes) to $out from ${#inputs[@]} SCOWL files"
