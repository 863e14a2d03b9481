#!/usr/bin/env bash
# veriglyph-init, installed into a temporary DESTDIR: a first run, a second
# run that changes nothing, a partly missing tree, the default folder, links
# to the script and a moved installation, a tree with planted symbolic links,
# and the ways it refuses to work. With an extra argument (a shell), the
# script is run by that shell instead of its own #! line.
source "$(dirname "$0")/lib.sh"

runner=()
if ((${#extra_args[@]} > 0)); then
    need_tool "${extra_args[0]}"
    runner=("${extra_args[0]}")
fi

stage_install "$scratch/stage" /usr
init=$scratch/stage/usr/$bindir/veriglyph-init
data=$(cd -P "$scratch/stage/usr/$datadir" && pwd -P)

# vg ARGS...: the installed veriglyph-init.
vg() {
    "${runner[@]}" "$init" "$@"
}

mkdir "$scratch/w"
cd "$scratch/w"

# A first run makes the folder, whose name has a blank and begins with '-'.
odd="-odd name"
run first vg -- "$odd"
expect_status first 0
expect_text first out "made $odd/
$(init_first_run_output "$odd/")
"
expect_empty first err
reference_tree "$scratch/reference"
if ! diff -u <(listing "$scratch/reference") <(listing "$odd") >"$scratch/diff"; then
    fail "first run: the tree differs from the repository's shipped tree:"
    cat "$scratch/diff" >&2
fi
[[ ! -e $odd/spellbook/user_entries.txt ]] || fail "first run made spellbook/user_entries.txt"

# A second run changes nothing, and says that it kept everything.
listing "$odd" times >"$scratch/before"
run second vg -- "$odd"
expect_status second 0
expect_text second out "kept (already there) in $odd: $(init_kept_items)
"
expect_empty second err
listing "$odd" times >"$scratch/after"
if ! diff -u "$scratch/before" "$scratch/after" >"$scratch/diff"; then
    fail "second run changed the tree:"
    cat "$scratch/diff" >&2
fi

# A partly missing tree is completed; a word list the user changed is kept.
list=$odd/spellbook/$wordlist_dir
rmdir -- "$odd/spellbook/ResultsHTML/B" "$odd/spellbook/ResultsHTML/q"
rm -- "$list/README.md"
printf 'my own entry\r\n' >>"$list/5d+2a.txt"
cp -- "$list/5d+2a.txt" "$scratch/changed-list"
other_letters=$(printf '%s\n' "${letters[@]}" | grep -vx -e B -e q | paste -sd, -)
kept="spellbook/, spellbook/Results/, spellbook/ResultsHTML/, spellbook/ResultsHTML/{$other_letters}/"
kept+=", spellbook/DictionaryFiles/, spellbook/DictionaryFiles/12dicts-6.0.2/, spellbook/$wordlist_dir/"
kept+=", spellbook/$wordlist_dir/5d+2a.txt, spellbook/$wordlist_dir/SCOWL-COPYRIGHT.txt"
if [[ -n $(shipped_cyphers) ]]; then
    kept+=", spellbook/Cyphers/"
    while IFS= read -r name; do
        kept+=", spellbook/Cyphers/$name"
    done < <(shipped_cyphers)
fi
run partial vg -- "$odd//"
expect_status partial 0
expect_text partial out "made $odd/spellbook/ResultsHTML/{B,q}/
copied $odd/spellbook/$wordlist_dir/README.md
kept (already there) in $odd: $kept
"
expect_empty partial err
expect_same "$scratch/changed-list" "$list/5d+2a.txt" "the word list the user changed"
expect_same "$source_dir/spellbook/$wordlist_dir/README.md" "$list/README.md" "the copied README.md"

# Without DIR: the current folder.
mkdir "$scratch/here"
(cd "$scratch/here" && run default vg)
expect_status default 0
expect_text default out "$(init_first_run_output ./)
"
expect_empty default err

# Help and version.
run help vg --help
expect_status help 0
expect_empty help err
[[ $(head -n 1 "$scratch/help.out") == "Usage: veriglyph-init [OPTION] [DIR]" ]] ||
    fail "help: first line is $(head -n 1 "$scratch/help.out")"
grep -qxF "Data folder: $data" "$scratch/help.out" || fail "help: no line 'Data folder: $data'"
run version vg --version
expect_status version 0
expect_text version out "veriglyph-init $version
"
expect_empty version err

# Planted links and things in the way are left alone and reported; the rest
# of the tree is still made. Nothing outside the tree is written.
hostile=$scratch/hostile
mkdir -p "$hostile/spellbook/$wordlist_dir" "$scratch/outside"
printf 'victim\n' >"$scratch/outside/victim.txt"
ln -s "$scratch/outside" "$hostile/spellbook/Results"
: >"$hostile/spellbook/ResultsHTML"
ln -s "$scratch/outside/planted.txt" "$hostile/spellbook/$wordlist_dir/5d+2a.txt"
ln -s "$scratch/outside/victim.txt" "$hostile/spellbook/$wordlist_dir/README.md"
cyphers_made=
if [[ -n $(shipped_cyphers) ]]; then
    cyphers_made="made $hostile/spellbook/Cyphers/
$(shipped_cyphers | sed "s|^|copied $hostile/spellbook/Cyphers/|")
"
fi
run hostile vg "$hostile"
expect_status hostile 1
expect_text hostile out "copied $hostile/spellbook/$wordlist_dir/SCOWL-COPYRIGHT.txt
${cyphers_made}kept (already there) in $hostile: spellbook/, spellbook/DictionaryFiles/, spellbook/DictionaryFiles/12dicts-6.0.2/, spellbook/$wordlist_dir/
"
expect_text hostile err "veriglyph-init: $hostile/spellbook/Results is a symbolic link: left as it is, not followed, nothing made in it
veriglyph-init: $hostile/spellbook/ResultsHTML is in the way (not a folder): left as it is, nothing made in it
veriglyph-init: $hostile/spellbook/$wordlist_dir/5d+2a.txt is a symbolic link: left as it is, not followed
veriglyph-init: $hostile/spellbook/$wordlist_dir/README.md is a symbolic link: left as it is, not followed
veriglyph-init: the spellbook tree in $hostile is not complete
"
[[ $(ls -A "$scratch/outside") == victim.txt ]] || fail "hostile: something was written outside the tree"
[[ $(cat "$scratch/outside/victim.txt") == victim ]] || fail "hostile: a file was written through a link"
[[ -L $hostile/spellbook/Results && -L $hostile/spellbook/$wordlist_dir/5d+2a.txt ]] ||
    fail "hostile: a planted link was removed"
[[ -f $hostile/spellbook/ResultsHTML && ! -s $hostile/spellbook/ResultsHTML ]] ||
    fail "hostile: the file in the way was changed"

# Refusals: status 1, one line on stderr, nothing on stdout, nothing made.
: >"$scratch/plain"
mkdir "$scratch/lonely"
cp "$init" "$scratch/lonely/veriglyph-init"
while IFS='|' read -r name pattern; do
    case $name in
        below-a-file) run "$name" vg "$scratch/plain/sub" ;;
        not-a-folder) run "$name" vg "$scratch/plain" ;;
        bad-option) run "$name" vg --bogus ;;
        two-folders) run "$name" vg "$scratch/one" "$scratch/two" ;;
        empty-name) run "$name" vg "" ;;
        no-data) run "$name" "${runner[@]}" "$scratch/lonely/veriglyph-init" "$scratch/lonely-tree" ;;
    esac
    expect_status "$name" 1
    expect_empty "$name" out
    [[ $(wc -l <"$scratch/$name.err") == 1 ]] || fail "$name: stderr is not one line"
    grep -q -- "^veriglyph-init: $pattern" "$scratch/$name.err" ||
        fail "$name: stderr is '$(cat "$scratch/$name.err")', expected it to start with 'veriglyph-init: $pattern'"
done <<EOF
below-a-file|cannot make the folder $scratch/plain/sub: 
not-a-folder|$scratch/plain is not a folder\$
bad-option|unknown option '--bogus' (see 'veriglyph-init --help')\$
two-folders|one folder at most, 2 given (see 'veriglyph-init --help')\$
empty-name|the folder name is empty\$
no-data|data folder missing or incomplete: .*/5d+2a.txt not found (reinstall veriglyph)\$
EOF
for never in "$scratch/one" "$scratch/two" "$scratch/w/--bogus" "$scratch/lonely-tree"; do
    [[ ! -e $never ]] || fail "a refused run made $never"
done

# Own-cypher files of the installation are copied, only *.txt and not hidden
# ones; one the user changed is kept, one the user removed comes back.
cp -a "$scratch/stage" "$scratch/stage-cyphers"
more_data=$scratch/stage-cyphers/usr/$datadir
mkdir -p "$more_data/Cyphers"
printf 'name: Alpha\ntags: alpha\nA 1\n' >"$more_data/Cyphers/alpha.txt"
printf 'name: Beta\ntags: beta\nB 2\n' >"$more_data/Cyphers/beta.txt"
printf 'not a cypher\n' >"$more_data/Cyphers/notes.md"
printf 'name: Hidden\ntags: hidden\n' >"$more_data/Cyphers/.hidden.txt"
cyphers_tree=$scratch/cyphers-tree
run cyphers "${runner[@]}" "$scratch/stage-cyphers/usr/$bindir/veriglyph-init" "$cyphers_tree"
expect_status cyphers 0
expect_empty cyphers err
(cd "$more_data/Cyphers" && printf '%s\n' *.txt) >"$scratch/cypher-names"
grep -qx alpha.txt "$scratch/cypher-names" || fail "cyphers: the test's files are missing"
{
    echo "made $cyphers_tree/spellbook/Cyphers/"
    sed "s|^|copied $cyphers_tree/spellbook/Cyphers/|" "$scratch/cypher-names"
} >"$scratch/cyphers-expected"
if ! diff -u "$scratch/cyphers-expected" <(grep Cyphers "$scratch/cyphers.out") >"$scratch/diff"; then
    fail "cyphers: reported lines differ:"
    cat "$scratch/diff" >&2
fi
while IFS= read -r name; do
    expect_same "$more_data/Cyphers/$name" "$cyphers_tree/spellbook/Cyphers/$name" "copied cypher $name"
done <"$scratch/cypher-names"
[[ ! -e $cyphers_tree/spellbook/Cyphers/notes.md && ! -e $cyphers_tree/spellbook/Cyphers/.hidden.txt ]] ||
    fail "cyphers: a file that is no cypher was copied"
printf '# mine now\n' >>"$cyphers_tree/spellbook/Cyphers/alpha.txt"
cp "$cyphers_tree/spellbook/Cyphers/alpha.txt" "$scratch/changed-alpha"
rm "$cyphers_tree/spellbook/Cyphers/beta.txt"
run cyphers-again "${runner[@]}" "$scratch/stage-cyphers/usr/$bindir/veriglyph-init" "$cyphers_tree"
expect_status cyphers-again 0
expect_empty cyphers-again err
[[ $(head -n 1 "$scratch/cyphers-again.out") == "copied $cyphers_tree/spellbook/Cyphers/beta.txt" ]] ||
    fail "cyphers: the removed file was not copied again: $(cat "$scratch/cyphers-again.out")"
grep -q ', spellbook/Cyphers/, spellbook/Cyphers/alpha.txt' "$scratch/cyphers-again.out" ||
    fail "cyphers: the changed file is not reported as kept"
expect_same "$scratch/changed-alpha" "$cyphers_tree/spellbook/Cyphers/alpha.txt" "the cypher file the user changed"

# Through links to the script, absolute and relative, and from a moved
# installation, the data folder is still found.
mkdir "$scratch/links"
ln -s "$init" "$scratch/links/absolute"
ln -s "../stage/usr/$bindir/veriglyph-init" "$scratch/links/relative"
ln -s relative "$scratch/links/chained"
for link in absolute relative chained; do
    run "link-$link" "${runner[@]}" "$scratch/links/$link" "$scratch/via-$link"
    expect_status "link-$link" 0
    expect_text "link-$link" out "made $scratch/via-$link/
$(init_first_run_output "$scratch/via-$link/")
"
    expect_empty "link-$link" err
done
mv "$scratch/stage/usr" "$scratch/moved usr"
run moved "${runner[@]}" "$scratch/moved usr/$bindir/veriglyph-init" "$scratch/moved-tree"
expect_status moved 0
expect_empty moved err
expect_same "$source_dir/spellbook/$wordlist_dir/5d+2a.txt" "$scratch/moved-tree/spellbook/$wordlist_dir/5d+2a.txt" \
    "word list from a moved installation"

leftovers=$(find "$scratch" -name '.veriglyph-init.*')
[[ -z $leftovers ]] || fail "temporary files left behind: $leftovers"

finish
