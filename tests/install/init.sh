#!/usr/bin/env bash
# veriglyph-init, installed into a temporary prefix: a first run, a second
# run that changes nothing, a partly missing tree, the default folder, the
# data home (--home), a tree with planted symbolic links, own-cypher files,
# and the ways it refuses to work. With an extra argument (a shell), the
# script is run by that shell instead of its own #! line.
source "$(dirname "$0")/lib.sh"

runner=()
if ((${#extra_args[@]} > 0)); then
    need_tool "${extra_args[0]}"
    runner=("${extra_args[0]}")
fi

prefix=$scratch/usr
install_to "$prefix"
init=$prefix/$bindir/veriglyph-init
data=$prefix/$datadir

# The data home depends on these alone; the test sets them itself.
unset VERIGLYPH_HOME XDG_DATA_HOME
export HOME=$scratch/home
mkdir "$HOME"

# vg ARGS...: the installed veriglyph-init.
vg() {
    "${runner[@]}" "$init" "$@"
}

# unchanged NAME DIR BEFORE: DIR's listing (with times) is still BEFORE.
unchanged() {
    if ! diff -u "$3" <(listing "$2" times) >"$scratch/diff"; then
        fail "$1: the tree changed:"
        cat "$scratch/diff" >&2
    fi
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
[[ -f $odd/spellbook/user_entries.txt && ! -L $odd/spellbook/user_entries.txt &&
    ! -s $odd/spellbook/user_entries.txt ]] || fail "first run: spellbook/user_entries.txt is not an empty file"

# A second run changes nothing, and says that it kept everything.
listing "$odd" times >"$scratch/before"
run second vg -- "$odd"
expect_status second 0
expect_text second out "kept (already there) in $odd: $(init_kept_items)
"
expect_empty second err
unchanged second "$odd" "$scratch/before"

# A partly missing tree is completed; the word list and spellbook the user
# changed are kept.
list=$odd/spellbook/$wordlist_dir
rmdir -- "$odd/spellbook/ResultsHTML/B" "$odd/spellbook/ResultsHTML/q"
rm -- "$list/README.md"
printf 'my own entry\r\n' >>"$list/5d+2a.txt"
printf 'Hello World\n' >"$odd/spellbook/user_entries.txt"
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
kept+=", spellbook/user_entries.txt"
run partial vg -- "$odd//"
expect_status partial 0
expect_text partial out "made $odd/spellbook/ResultsHTML/{B,q}/
copied $odd/spellbook/$wordlist_dir/README.md
kept (already there) in $odd: $kept
"
expect_empty partial err
expect_same "$scratch/changed-list" "$list/5d+2a.txt" "the word list the user changed"
expect_same "$source_dir/spellbook/$wordlist_dir/README.md" "$list/README.md" "the copied README.md"
[[ $(cat -- "$odd/spellbook/user_entries.txt") == "Hello World" ]] || fail "partial: the spellbook was changed"

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
[[ $(head -n 1 "$scratch/help.out") == "Usage: veriglyph-init [--] [DIR]    or: veriglyph-init --home | --help | --version" ]] ||
    fail "help: first line is $(head -n 1 "$scratch/help.out")"
grep -qxF "Data folder: $data" "$scratch/help.out" || fail "help: no line 'Data folder: $data'"
grep -qxF "Data home: $HOME/.local/share/veriglyph" "$scratch/help.out" || fail "help: wrong or no 'Data home:' line"
run help-home env VERIGLYPH_HOME="$scratch/vh" "${runner[@]}" "$init" --help
grep -qxF "Data home: $scratch/vh" "$scratch/help-home.out" || fail "help: 'Data home:' ignores VERIGLYPH_HOME"
run version vg --version
expect_status version 0
expect_text version out "veriglyph-init $version
"
expect_empty version err

# --home: $VERIGLYPH_HOME, else $XDG_DATA_HOME/veriglyph, else
# $HOME/.local/share/veriglyph (an empty variable counts as unset). The
# folder is made with its parents.
while IFS='|' read -r name home settings; do
    # shellcheck disable=SC2086 # the settings are words for env
    run "home-$name" env $settings "${runner[@]}" "$init" --home
    expect_status "home-$name" 0
    expect_text "home-$name" out "made $home/
$(init_first_run_output "$home/")
"
    expect_empty "home-$name" err
    if ! diff -u <(listing "$scratch/reference") <(listing "$home") >"$scratch/diff"; then
        fail "home-$name: the tree differs from the repository's shipped tree:"
        cat "$scratch/diff" >&2
    fi
done <<EOF
default|$HOME/.local/share/veriglyph|
xdg|$scratch/xdg/veriglyph|XDG_DATA_HOME=$scratch/xdg
xdg-empty|$scratch/home2/.local/share/veriglyph|XDG_DATA_HOME= HOME=$scratch/home2
veriglyph-home|$scratch/vh/deep|VERIGLYPH_HOME=$scratch/vh/deep XDG_DATA_HOME=$scratch/xdg-unused
EOF
[[ ! -e $scratch/xdg-unused ]] || fail "home: XDG_DATA_HOME was used although VERIGLYPH_HOME is set"

# Run again, the data home changes nothing, not even a spellbook with spells.
printf 'Hello World\n' >"$scratch/xdg/veriglyph/spellbook/user_entries.txt"
listing "$scratch/xdg/veriglyph" times >"$scratch/before"
run home-again env XDG_DATA_HOME="$scratch/xdg" "${runner[@]}" "$init" --home
expect_status home-again 0
expect_text home-again out "kept (already there) in $scratch/xdg/veriglyph: $(init_kept_items)
"
expect_empty home-again err
unchanged home-again "$scratch/xdg/veriglyph" "$scratch/before"

# veriglyph itself, from a folder without spellbook/, finds the data home
# laid out above and works there without a warning; checked once veriglyph
# knows the data home (it then says so when there is none).
mkdir "$scratch/elsewhere"
(cd "$scratch/elsewhere" && run no-home env HOME="$scratch/nobody" "$prefix/$bindir/veriglyph" Hello)
if grep -q "no spellbook/ folder here or in" "$scratch/no-home.err"; then
    (cd "$scratch/elsewhere" && run from-home env XDG_DATA_HOME="$scratch/xdg" "$prefix/$bindir/veriglyph" Hello)
    expect_status from-home 0
    expect_empty from-home err
    ! grep -q -e WARNING -e ERROR "$scratch/from-home.out" || fail "from-home: veriglyph warned: $(cat "$scratch/from-home.out")"
    [[ $(cat "$scratch/xdg/veriglyph/spellbook/user_entries.txt") == $'Hello World\nHello' ]] ||
        fail "from-home: the spell was not archived in the data home"
    [[ -z $(ls -A "$scratch/elsewhere") ]] || fail "from-home: veriglyph wrote in the folder it ran in"
else
    echo "note: this veriglyph does not look in the data home; its run from there is not checked"
fi

# Planted links and things in the way are left alone and reported; the rest
# of the tree is still made. Nothing outside the tree is written, and a
# dangling link is not written through either.
hostile=$scratch/hostile
mkdir -p "$hostile/spellbook/$wordlist_dir" "$hostile/spellbook/Cyphers" "$scratch/outside"
printf 'victim\n' >"$scratch/outside/victim.txt"
ln -s "$scratch/outside" "$hostile/spellbook/Results"
: >"$hostile/spellbook/ResultsHTML"
ln -s "$scratch/outside/planted.txt" "$hostile/spellbook/$wordlist_dir/5d+2a.txt"
ln -s "$scratch/outside/victim.txt" "$hostile/spellbook/$wordlist_dir/README.md"
ln -s "$scratch/outside/entries.txt" "$hostile/spellbook/user_entries.txt"
expected_out="copied $hostile/spellbook/$wordlist_dir/SCOWL-COPYRIGHT.txt
"
expected_err="veriglyph-init: $hostile/spellbook/Results is a symbolic link: left as it is, not followed, nothing made in it
veriglyph-init: $hostile/spellbook/ResultsHTML is in the way (not a folder): left as it is, nothing made in it
"
for name in 5d+2a.txt README.md; do
    expected_err+="veriglyph-init: $hostile/spellbook/$wordlist_dir/$name is in the way (a symbolic link or not a regular file): left as it is, not followed
"
done
kept_cyphers=
if [[ -n $(shipped_cyphers) ]]; then
    linked=$(shipped_cyphers | head -n 1)
    ln -s "$scratch/outside/victim.txt" "$hostile/spellbook/Cyphers/$linked"
    while IFS= read -r name; do
        if [[ $name == "$linked" ]]; then
            expected_err+="veriglyph-init: $hostile/spellbook/Cyphers/$name is in the way (a symbolic link or not a regular file): left as it is, not followed
"
        else
            expected_out+="copied $hostile/spellbook/Cyphers/$name
"
        fi
    done < <(shipped_cyphers)
    kept_cyphers=", spellbook/Cyphers/"
fi
expected_out+="kept (already there) in $hostile: spellbook/, spellbook/DictionaryFiles/, spellbook/DictionaryFiles/12dicts-6.0.2/, spellbook/$wordlist_dir/$kept_cyphers
"
expected_err+="veriglyph-init: $hostile/spellbook/user_entries.txt is in the way (a symbolic link or not a regular file): left as it is, not followed
veriglyph-init: the spellbook tree in $hostile is not complete
"
run hostile vg "$hostile"
expect_status hostile 1
expect_text hostile out "$expected_out"
expect_text hostile err "$expected_err"
[[ $(ls -A "$scratch/outside") == victim.txt ]] || fail "hostile: something was written outside the tree"
[[ $(cat "$scratch/outside/victim.txt") == victim ]] || fail "hostile: a file was written through a link"
for link in Results "$wordlist_dir/5d+2a.txt" "$wordlist_dir/README.md" user_entries.txt; do
    [[ -L $hostile/spellbook/$link ]] || fail "hostile: the planted link spellbook/$link was removed"
done
[[ -f $hostile/spellbook/ResultsHTML && ! -s $hostile/spellbook/ResultsHTML ]] ||
    fail "hostile: the file in the way was changed"

# Refusals: one line on stderr, nothing on stdout, nothing made. A wrong
# command line gives 2, the rest 1. A staged installation (DESTDIR) names
# the data folder of its prefix, which is not there.
stage_install "$scratch/staged" "$scratch/nowhere"
staged=$scratch/staged$scratch/nowhere/$bindir/veriglyph-init
run staged-help "${runner[@]}" "$staged" --help
grep -qxF "Data folder: $scratch/nowhere/$datadir" "$scratch/staged-help.out" ||
    fail "staged: the data folder is not that of the prefix: $(grep 'Data folder' "$scratch/staged-help.out")"
: >"$scratch/plain"
while IFS='|' read -r name status pattern; do
    case $name in
        below-a-file) run "$name" vg "$scratch/plain/sub" ;;
        not-a-folder) run "$name" vg "$scratch/plain" ;;
        bad-option) run "$name" vg --bogus ;;
        two-folders) run "$name" vg "$scratch/one" "$scratch/two" ;;
        empty-name) run "$name" vg "" ;;
        home-and-folder) run "$name" vg --home "$scratch/one" ;;
        no-home) run "$name" env -u HOME "${runner[@]}" "$init" --home ;;
        no-data) run "$name" "${runner[@]}" "$staged" "$scratch/lonely-tree" ;;
    esac
    expect_status "$name" "$status"
    expect_empty "$name" out
    [[ $(wc -l <"$scratch/$name.err") == 1 ]] || fail "$name: stderr is not one line"
    grep -q -- "^veriglyph-init: $pattern" "$scratch/$name.err" ||
        fail "$name: stderr is '$(cat "$scratch/$name.err")', expected it to start with 'veriglyph-init: $pattern'"
done <<EOF
below-a-file|1|cannot make the folder $scratch/plain/sub: 
not-a-folder|1|$scratch/plain is not a folder\$
bad-option|2|unknown option '--bogus' (see 'veriglyph-init --help')\$
two-folders|2|one folder at most, 2 given (see 'veriglyph-init --help')\$
empty-name|2|the folder name is empty (see 'veriglyph-init --help')\$
home-and-folder|2|--home takes no folder (see 'veriglyph-init --help')\$
no-home|1|no data home: VERIGLYPH_HOME, XDG_DATA_HOME and HOME are all unset\$
no-data|1|data folder missing or incomplete: $scratch/nowhere/$datadir/.*/5d+2a.txt not found (reinstall veriglyph)\$
EOF
for never in "$scratch/one" "$scratch/two" "$scratch/w/--bogus" "$scratch/lonely-tree" "$scratch/nowhere"; do
    [[ ! -e $never ]] || fail "a refused run made $never"
done

# Own-cypher files of the installation are copied, only *.txt and not hidden
# ones; one the user changed is kept, one the user removed comes back.
more_prefix=$scratch/usr-cyphers
install_to "$more_prefix"
more_data=$more_prefix/$datadir
mkdir -p "$more_data/Cyphers"
printf 'name: Alpha\ntags: alpha\nA 1\n' >"$more_data/Cyphers/alpha.txt"
printf 'name: Beta\ntags: beta\nB 2\n' >"$more_data/Cyphers/beta.txt"
printf 'not a cypher\n' >"$more_data/Cyphers/notes.md"
printf 'name: Hidden\ntags: hidden\n' >"$more_data/Cyphers/.hidden.txt"
cyphers_tree=$scratch/cyphers-tree
run cyphers "${runner[@]}" "$more_prefix/$bindir/veriglyph-init" "$cyphers_tree"
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
run cyphers-again "${runner[@]}" "$more_prefix/$bindir/veriglyph-init" "$cyphers_tree"
expect_status cyphers-again 0
expect_empty cyphers-again err
[[ $(head -n 1 "$scratch/cyphers-again.out") == "copied $cyphers_tree/spellbook/Cyphers/beta.txt" ]] ||
    fail "cyphers: the removed file was not copied again: $(cat "$scratch/cyphers-again.out")"
grep -q ', spellbook/Cyphers/, spellbook/Cyphers/alpha.txt' "$scratch/cyphers-again.out" ||
    fail "cyphers: the changed file is not reported as kept"
expect_same "$scratch/changed-alpha" "$cyphers_tree/spellbook/Cyphers/alpha.txt" "the cypher file the user changed"

# Through a relative link to the script, the data folder is the same.
mkdir "$scratch/links"
ln -s "../usr/$bindir/veriglyph-init" "$scratch/links/relative"
run link "${runner[@]}" "$scratch/links/relative" "$scratch/via-link"
expect_status link 0
expect_text link out "made $scratch/via-link/
$(init_first_run_output "$scratch/via-link/")
"
expect_empty link err

leftovers=$(find "$scratch" -name '.veriglyph-init.*')
[[ -z $leftovers ]] || fail "temporary files left behind: $leftovers"

finish
