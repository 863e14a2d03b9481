#!/usr/bin/env bash
# The Debian package: cpack -G DEB into a temporary folder gives
# veriglyph_<version>-<release>_<arch>.deb with the expected files below
# /usr, the control fields, a changelog entry for its version, a stripped
# program and a veriglyph-init that names /usr's data folder; lintian, when
# it is installed, finds no error or warning and no want of hardening or
# stripping.
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
deb=$out/veriglyph_${package_version}_$arch.deb
[[ -f $deb ]] || fail "no package $deb"
[[ $(find "$out" -maxdepth 1 -name '*.deb' | wc -l) == 1 ]] || fail "more than one package was made"
[[ -f $deb ]] || finish

# The files and links it installs, with their modes.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { mode = $1; $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print mode, $0 }' |
    sort -k 2 >"$scratch/contents"
{
    echo "-rwxr-xr-x ./usr/$bindir/veriglyph"
    echo "-rwxr-xr-x ./usr/$bindir/veriglyph-init"
    echo "-rwxr-xr-x ./usr/$servedir/veriglyph-serve"
    for name in "${wordlist_files[@]}"; do
        echo "-rw-r--r-- ./usr/$datadir/$wordlist_dir/$name"
    done
    shipped_cyphers | sed "s|^|-rw-r--r-- ./usr/$datadir/Cyphers/|"
    echo "-rw-r--r-- ./usr/$mandir/man1/veriglyph.1.gz"
    echo "-rw-r--r-- ./usr/$mandir/man1/veriglyph-init.1.gz"
    for program in veriglyph veriglyph-init; do
        echo "-rw-r--r-- ./usr/share/bash-completion/completions/$program"
        echo "-rw-r--r-- ./usr/share/zsh/site-functions/_$program"
        echo "lrwxrwxrwx ./usr/share/zsh/vendor-completions/_$program -> ../site-functions/_$program"
        echo "-rw-r--r-- ./usr/share/fish/vendor_completions.d/$program.fish"
    done
    echo "-rw-r--r-- ./usr/share/doc/veriglyph/copyright"
    echo "-rw-r--r-- ./usr/share/doc/veriglyph/changelog.Debian.gz"
    echo "-rw-r--r-- ./usr/share/lintian/overrides/veriglyph"
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
[[ $(field Version) == "$package_version" ]] || fail "Version is '$(field Version)', expected $package_version"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture is '$(field Architecture)', expected $arch"
[[ $(field Section) == utils ]] || fail "Section is '$(field Section)'"
[[ $(field Priority) == optional ]] || fail "Priority is '$(field Priority)'"
[[ $(field Recommends) == bash-completion ]] || fail "Recommends is '$(field Recommends)'"
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

# Unpacked: the copyright file, the changelog's entry for this version, and
# the tools at work.
root=$scratch/root
dpkg-deb -x "$deb" "$root"
check_copyright "$root/usr/share/doc/veriglyph/copyright"
entry=$(gzip -dc "$root/usr/share/doc/veriglyph/changelog.Debian.gz" | head -n 1)
[[ $entry == "veriglyph ($package_version) unstable; urgency=medium" ]] ||
    fail "the changelog begins '$entry', not with an entry for $package_version"

run help-built "$built_binary" --help
run help-packaged "$root/usr/$bindir/veriglyph" --help
expect_status help-packaged 0
expect_same "$scratch/help-built.out" "$scratch/help-packaged.out" "--help of the packaged binary"
for program in "$bindir/veriglyph" "$servedir/veriglyph-serve"; do
    [[ $(file -b "$root/usr/$program") == *", stripped"* ]] || fail "the packaged $program is not stripped"
done
run serve-packaged "$root/usr/$bindir/veriglyph" --serve nowhere
expect_status serve-packaged 2
grep -qF '"nowhere" is no [[ADDR:]PORT]' "$scratch/serve-packaged.err" ||
    fail "the packaged veriglyph --serve did not start the packaged server"

run init-help "$root/usr/$bindir/veriglyph-init" --help
expect_status init-help 0
grep -qxF "Data folder: /usr/$datadir" "$scratch/init-help.out" ||
    fail "veriglyph-init does not name /usr/$datadir: $(grep 'Data folder' "$scratch/init-help.out")"

# lintian, pedantic and with the informational tags: errors and warnings
# fail, and so do the tags that tell of hardening or stripping left undone.
if command -v lintian >/dev/null 2>&1; then
    run lintian lintian -I --pedantic "$deb"
    grep -E '^[EW]: |^I: [^ ]+ (hardening-|unstripped-|binary-has-unneeded-section|debug-file)' \
        "$scratch/lintian.out" >"$scratch/lintian-faults" || true
    if [[ -s $scratch/lintian-faults || $(cat "$scratch/lintian.rc") != 0 ]]; then
        fail "lintian objects to the package:"
        cat "$scratch/lintian.out" "$scratch/lintian.err" >&2
    fi
else
    echo "note: lintian is not installed; the package is not checked with it"
fi

finish
