#!/usr/bin/env bash
# The manual pages: silent under groff's strictest warnings, the version
# filled in, the page of veriglyph naming every switch and every built-in
# cypher tag, and that of veriglyph-init every option.
source "$(dirname "$0")/lib.sh"
need_tool groff

for page in veriglyph.1 veriglyph-init.1; do
    run "$page" groff -man -ww -z "$build_dir/doc/$page"
    expect_status "$page" 0
    expect_empty "$page" out
    expect_empty "$page" err
    if grep -n '@[A-Za-z_]*@' "$build_dir/doc/$page" >"$scratch/left"; then
        fail "$page: placeholders left: $(cat "$scratch/left")"
    fi
    groff -man -Tascii -P-cbou "$build_dir/doc/$page" >"$scratch/$page.txt"
    grep -q "^veriglyph $version  " "$scratch/$page.txt" || fail "$page: the footer does not show veriglyph $version"
done

text=$scratch/veriglyph.1.txt
for switch in --help --version --line --find --find-spells --spells --spellbook --all-spells \
    --match --html --consonant-roots --consonantal-roots --consonant-root --consonantal-root \
    --consonant-roots-match --consonantal-roots-match --consonant-root-match \
    --consonantal-root-match --reduction-match --table --csv; do
    grep -Eq -- "(^|[^-a-z])$switch([^-a-z]|$)" "$text" || fail "veriglyph.1 does not mention $switch"
done

grep -Eq -- '--table file \[tags\]' "$text" || fail "veriglyph.1 does not show --table file [tags]"
grep -Eq -- '--csv file \[tags\]' "$text" || fail "veriglyph.1 does not show --csv file [tags]"
for option in --home --help --version -h; do
    grep -Eq -- "(^|[^-a-z])$option([^-a-z]|$)" "$scratch/veriglyph-init.1.txt" ||
        fail "veriglyph-init.1 does not mention $option"
done

# Every tag, in the list of its cypher under CYPHERS.
sed -n '/^CYPHERS$/,/^OWN CYPHERS$/p' "$text" | tr -s ' \n' '  ' >"$scratch/cyphers"
for tag in ord ordinal basic alphabetic red or reduced reduction \
    rev ro reverse rev-ord rev-ordinal reverse-ord reverse-ordinal \
    rev-red rr revred reverse-reduced reverse-reduction sumer sum sumerian \
    eng-ext ee ext engext englishext english-ext englishextended english-extended \
    j jew jewish agrippa latin latin-agrippa alva \
    jr jewred jew-red jew-reduced jew-reduction jewish-reduced jewish-reduction agrippa-reduced jewish-red \
    s sex sexp s-exp s-exception sexception kv kvexp kv-exp kvexcept kv-except kv-exception kvexception \
    bacon bcn fb francis-bacon francisbacon baconis bcns francbaconis franc-baconis \
    oe oeng old-eng old-english satan st stn satanic alw alw-qabala alw-qabalah \
    kfw kfw-qabala kfw-qabalah sept spt septenary pri prime primes tri tr trigonal triangular \
    sq square squares fib fibonacci fibsym; do
    grep -Eq -- "(^| )${tag}[,.]" "$scratch/cyphers" || fail "veriglyph.1 does not list the tag $tag under CYPHERS"
done

finish
