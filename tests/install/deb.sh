#!/usr/bin/env bash
# The Debian package: cpack -G DEB into a temporary folder gives
# veriglyph_<version>_<arch>.deb with the expected files below /usr, the
# control fields, and a working veriglyph-init once unpacked.
source "$(dirname "$0")/lib.sh"
for tool in dpkg dpkg-deb dpkg-shlibdeps file; do
    need_tool "$tool"
done

out=$scratch/packages
run cpack "$cpack_command" -G DEB -B "$out" --config "$build_dir/CPackConfig.cmake"
expect_status cpack 0
if [[ $(cat "$scratch/cpack.rc") != 0 ]]; then
    cat "$scratch/cpack.out" "$scratch/cpack.err" >&2
    finish
fi

arch=$(dpkg --print-architecture)
deb=$out/veriglyph_${version}_$arch.deb
[[ -f $deb ]] || fail "no package $deb"
[[ $(find "$out" -maxdepth 1 -name '*.deb' | wc -l) == 1 ]] || fail "more than one package was made"
[[ -f $deb ]] || finish

# The files and links it installs, with their modes.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { mode = $1; $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print mode, $0 }' |
    sort -k 2 >"$scratch/contents"
{
    echo "-rwxr-xr-x ./usr/$bindir/veriglyph"
    echo "-rwxr-xr-x ./usr/$bindir/veriglyph-init"
    for name in "${wordlist_files[@]}"; do
        echo "-rw-r--r-- ./usr/$datadir/$wordlist_dir/$name"
    done
    shipped_cyphers | sed "s|^|-rw-r--r-- ./usr/$datadir/Cyphers/|"
    echo "-rw-r--r-- ./usr/$mandir/man1/veriglyph.1"
    echo "-rw-r--r-- ./usr/$mandir/man1/veriglyph-init.1"
    echo "-rw-r--r-- ./usr/share/bash-completion/completions/veriglyph"
    echo "-rw-r--r-- ./usr/share/zsh/site-functions/_veriglyph"
    echo "lrwxrwxrwx ./usr/share/zsh/vendor-completions/_veriglyph -> ../site-functions/_veriglyph"
    echo "-rw-r--r-- ./usr/share/fish/vendor_completions.d/veriglyph.fish"
    echo "-rw-r--r-- ./usr/share/doc/veriglyph/copyright"
} | sort -k 2 >"$scratch/expected-contents"
if ! diff -u "$scratch/expected-contents" "$scratch/contents" >"$scratch/diff"; then
    fail "package contents differ from the expected list:"
    cat "$scratch/diff" >&2
fi
dpkg-deb -c "$deb" | awk '$2 != "root/root" { print }' >"$scratch/owners"
[[ ! -s $scratch/owners ]] || fail "entries not owned by root: $(cat "$scratch/owners")"

# Control fields.
field() {
    dpkg-deb -f "$deb" "$1"
}
[[ $(field Package) == veriglyph ]] || fail "Package is '$(field Package)'"
[[ $(field Version) == "$version" ]] || fail "Version is '$(field Version)', expected $version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)', expected $arch"
[[ $(field Section) == utils ]] || fail "Section is '$(field Section)'"
[[ $(field Priority) == optional ]] || fail "Priority is '$(field Priority)'"
[[ $(field Maintainer) =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] || fail "Maintainer is '$(field Maintainer)'"
description=$(field Description)
[[ $(head -n 1 <<<"$description") == "letter-value cipher arithmetic for words and phrases" ]] ||
    fail "Description summary is '$(head -n 1 <<<"$description")'"
(($(wc -l <<<"$description") > 2)) || fail "Description has no long text"
depends=$(field Depends)
# The package names of Depends, one a line.
sed 's/, */\n/g; s/ *([^)]*)//g' <<<"$depends" >"$scratch/depends"
# The C++ runtime is linked into the program, so the C library is all it needs.
grep -qxF libc6 "$scratch/depends" || fail "Depends ('$depends') lacks libc6"

# Unpacked: the copyright file, and the tools at work.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
copyright=$root/usr/share/doc/veriglyph/copyright
notice=$source_dir/spellbook/$wordlist_dir/SCOWL-COPYRIGHT.txt
tail -c "$(wc -c <"$notice")" "$copyright" >"$scratch/notice-tail"
expect_same "$notice" "$scratch/notice-tail" "SCOWL notice at the end of the copyright file"
[[ $(head -n 1 "$copyright") == "veriglyph $version" ]] || fail "copyright file begins '$(head -n 1 "$copyright")'"

run help-built "$built_binary" --help
run help-packaged "$root/usr/$bindir/veriglyph" --help
expect_status help-packaged 0
expect_same "$scratch/help-built.out" "$scratch/help-packaged.out" "--help of the packaged binary"

run init "$root/usr/$bindir/veriglyph-init" "$scratch/tree"
expect_status init 0
expect_empty init err
for name in "${wordlist_files[@]}"; do
    expect_same "$source_dir/spellbook/$wordlist_dir/$name" "$scratch/tree/spellbook/$wordlist_dir/$name" \
        "$name laid out by the packaged veriglyph-init"
done

finish
