#!/usr/bin/env bash
# cmake --install into an unusual prefix: the installed files are the
# expected ones, and a tree made by the installed veriglyph-init gives the
# installed veriglyph exactly the stdout, report and spellbook that the built
# binary gives in a fresh copy of the repository's own tree.
source "$(dirname "$0")/lib.sh"

stage=$scratch/stage
root="$stage/opt/veriglyph test"
install_to "$root"

# Exactly these files, links and folders are installed.
{
    echo "$bindir/veriglyph"
    echo "$bindir/veriglyph-init"
    echo "$servedir/veriglyph-serve"
    for name in "${wordlist_files[@]}"; do
        echo "$datadir/$wordlist_dir/$name"
    done
    shipped_cyphers | sed "s|^|$datadir/Cyphers/|"
    echo "$mandir/man1/veriglyph.1.gz"
    echo "$mandir/man1/veriglyph-init.1.gz"
    for program in veriglyph veriglyph-init; do
        echo "share/bash-completion/completions/$program"
        echo "share/zsh/site-functions/_$program"
        echo "share/zsh/vendor-completions/_$program"
        echo "share/fish/vendor_completions.d/$program.fish"
    done
    echo "share/doc/veriglyph/copyright"
    echo "share/doc/veriglyph/changelog.Debian.gz"
    echo "share/lintian/overrides/veriglyph"
} | sort >"$scratch/expected-files"
(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) >"$scratch/installed-files"
if ! diff -u "$scratch/expected-files" "$scratch/installed-files" >"$scratch/diff"; then
    fail "installed files differ from the expected list:"
    cat "$scratch/diff" >&2
fi
[[ $(cd "$stage" && find . -mindepth 1 -maxdepth 2 | sort | paste -sd '|' -) == "./opt|./opt/veriglyph test" ]] ||
    fail "files installed outside the prefix"
grep -qxF "data='$root/$datadir'" "$root/$bindir/veriglyph-init" || fail "veriglyph-init does not name $root/$datadir"

for program in "$bindir/veriglyph" "$bindir/veriglyph-init" "$servedir/veriglyph-serve"; do
    [[ -x $root/$program ]] || fail "$program is not executable"
done
# The installed veriglyph finds the server it starts for --serve (which
# refuses the address, before reading any tree).
run serve-found "$root/$bindir/veriglyph" --serve nowhere
expect_status serve-found 2
grep -qF '"nowhere" is no [[ADDR:]PORT]' "$scratch/serve-found.err" ||
    fail "the installed veriglyph --serve did not start the installed server: $(cat "$scratch/serve-found.out" "$scratch/serve-found.err")"
for name in "${wordlist_files[@]}"; do
    expect_same "$source_dir/spellbook/$wordlist_dir/$name" "$root/$datadir/$wordlist_dir/$name" "installed $name"
done
while IFS= read -r name; do
    expect_same "$source_dir/spellbook/Cyphers/$name" "$root/$datadir/Cyphers/$name" "installed cypher $name"
done < <(shipped_cyphers)
for program in veriglyph veriglyph-init; do
    expect_same "$source_dir/completions/$program.bash" "$root/share/bash-completion/completions/$program" \
        "bash completion of $program"
    expect_same "$source_dir/completions/_$program" "$root/share/zsh/site-functions/_$program" \
        "zsh completion of $program"
    expect_same "$source_dir/completions/_$program" "$root/share/zsh/vendor-completions/_$program" \
        "zsh completion link of $program"
    expect_same "$source_dir/completions/$program.fish" "$root/share/fish/vendor_completions.d/$program.fish" \
        "fish completion of $program"
done
# The manual pages and the changelog, compressed without a name or a time
# stamp, so that a rebuild gives the same bytes.
for file in "$mandir/man1/veriglyph.1" "$mandir/man1/veriglyph-init.1" share/doc/veriglyph/changelog.Debian; do
    case $file in
        */changelog.Debian) original=$source_dir/cmake/changelog.Debian.in ;;
        *) original=$build_dir/doc/${file##*/} ;;
    esac
    gzip -dc <"$root/$file.gz" >"$scratch/unpacked" || fail "$file.gz is not gzip data"
    expect_same "$original" "$scratch/unpacked" "$file.gz, uncompressed"
    [[ $(od -An -tx1 -j3 -N5 "$root/$file.gz" | tr -d ' ') == 0000000000 ]] ||
        fail "$file.gz holds a name or a time stamp"
done
check_copyright "$root/share/doc/veriglyph/copyright"

# The installed veriglyph-init lays out a fresh tree in a folder it makes.
user="$scratch/work/fresh tree"
run init "$root/$bindir/veriglyph-init" "$user"
expect_status init 0
expect_text init out "made $user/
$(init_first_run_output "$user/")
"
expect_empty init err

# It holds what the repository's own tree ships, nothing more.
reference=$scratch/reference
reference_tree "$reference"
if ! diff -u <(listing "$reference") <(listing "$user") >"$scratch/diff"; then
    fail "the tree veriglyph-init made differs from the repository's shipped tree:"
    cat "$scratch/diff" >&2
fi

# The same match, installed binary in the new tree, built binary in the copy.
(cd "$user" && run match-installed "$root/$bindir/veriglyph" --match "Hello World")
(cd "$reference" && run match-built "$built_binary" --match "Hello World")
expect_status match-built 0
expect_status match-installed 0
# The empty spellbook veriglyph-init made spares a first run its warning.
! grep -q -e WARNING -e ERROR "$scratch/match-installed.out" ||
    fail "the first run in a new tree warns: $(grep -e WARNING -e ERROR "$scratch/match-installed.out")"
expect_same "$scratch/match-built.out" "$scratch/match-installed.out" "stdout of --match"
expect_same "$scratch/match-built.err" "$scratch/match-installed.err" "stderr of --match"
report="spellbook/Results/match_Hello World.txt"
expect_same "$reference/$report" "$user/$report" "the match report"
expect_same "$reference/spellbook/user_entries.txt" "$user/spellbook/user_entries.txt" "the spellbook"
if ! diff -u <(listing "$reference") <(listing "$user") >"$scratch/diff"; then
    fail "the two trees differ after the match:"
    cat "$scratch/diff" >&2
fi

finish
