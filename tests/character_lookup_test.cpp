// How an own cypher reads a character: itself, its case fold, its canonical
// decomposition (base letter, then each listed mark); an unlisted non-spacing
// mark is no term, anything else unlisted a term of 0.
#include "TestSupport.h"
#include "cyphers/CharacterLookup.h"
#include "cyphers/CypherFile.h"
#include "text/Unicode.h"

namespace {

// Small letters only, one listed mark (the combining acute, U+0301), and the
// capital K alone.
Cypher sample() {
  OwnCypherDefinition definition{"s.txt", "Sample", {"sample"}, {}};
  definition.values = {{U'a', 1},         {U'e', 5},   {U's', 90},  {U'K', 20},
                       {U'\u0301', 1000}, {U'α', 1},   {U'η', 8},   {U'ι', 10},
                       {U'σ', 200},       {U'ω', 800}, {U'ש', 300}, {U'ל', 30},
                       {U'ו', 6},         {U'ם', 40},  {U'ა', 1},   {U'ⴀ', 1}};
  return Cypher::own(definition);
}

TEST(CharacterLookup, FoldsCasesDecomposesAndSkipsUnlistedMarks) {
  const Cypher cypher = sample();
  // clang-format off
  const struct { const char* text; const char* breakdown; const char* unknown; } cases[] = {
      {"aA eE", "1+1+0+5+5", ""},                 // a capital folds to the listed small letter
      {"kK", "0+20", "k"},                         // a fold goes one way: "K" lists no "k"
      {"ΑΗΣΩ ς ϲ", "1+8+200+800+0+200+0+0", "ϲ"},  // final sigma folds to sigma; lunate sigma does not
      {"\u017F", "90", ""},                        // long s folds to s, in ASCII
      {"\u212A", "20", ""},                        // the Kelvin sign is a K
      {"ῆ|η\u0342", "8+0+8", ""},                  // precomposed and decomposed agree
      {"ᾳ|α\u0345|ᾼ", "1+0+1+0+1", ""},            // iota subscript: a mark, never folded to iota
      {"Ἰ|Ι\u0313", "10+0+10", ""},                // breathing on a capital
      {"é|e\u0301|É", "5+1000+0+5+1000+0+5+1000", ""},  // a listed mark counts on its own
      {"è|e\u0300", "5+0+5", ""},                  // an unlisted one is no term
      {"\u0300\u0301", "1000", ""},                // marks alone, listed and not
      {"ó|o\u0301", "0+1000+0+0+1000", "ó o"},     // an unknown base, a listed mark
      {"ö|o\u0308", "0+0+0", "ö o"},               // an unknown letter with a mark is one 0
      {"שָׁלוֹם|שׁ", "300+30+6+40+0+300", ""},     // niqqud, and the precomposed shin with its dot
      {"Ა|Ⴀ", "1+0+1", ""},                        // Georgian capitals fold to the two small scripts
      {"가", "0", "가"},                          // a Hangul syllable decomposes to unlisted jamo
      {"ẞ", "0", "ẞ"},                             // folds simply to ß, which is not listed
      {"1 a!\xFF", "0+0+1+0+0", ""},               // digits, blanks, signs, an invalid byte
      {"Jesus Jesus", "0+5+90+0+90+0+0+5+90+0+90", "J u"}};  // each unknown letter once
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(breakdownOf(cypher, c.text), c.breakdown);
    EXPECT_EQ(unknownLetters(cypher, c.text), c.unknown);
  }
}

// The simple case fold and the canonical decomposition, as the Unicode data gives them.
TEST(CharacterLookup, SimpleFoldsAndDecompositions) {
  // clang-format off
  const std::pair<char32_t, char32_t> folds[] = {
      {U'A', U'a'}, {U'a', U'a'}, {U'Σ', U'σ'}, {U'ς', U'σ'}, {U'ẞ', U'ß'}, {U'ß', U'ß'},
      {U'ᾈ', U'ᾀ'}, {U'ᾼ', U'ᾳ'}, {U'ΐ', U'ΐ'}, {U'İ', U'İ'}, {U'\u212A', U'k'},
      {U'\u0345', U'ι'}, {U'Ⴀ', U'ⴀ'}, {U'ꭰ', U'Ꭰ'}, {U'\U0001E900', U'\U0001E922'}};
  // clang-format on
  for (const auto& [c, folded] : folds) EXPECT_EQ(simpleCaseFold(c), folded) << std::hex << c;
  char32_t pieces[kMostTerms];
  EXPECT_EQ(canonicalDecomposition(U'ᾏ', pieces, kMostTerms), 4u);
  EXPECT_EQ(std::u32string(pieces, 4), U"Α\u0314\u0342\u0345");
  EXPECT_EQ(canonicalDecomposition(U'ᾏ', pieces, 3), 1u);  // too long for the room: itself
  EXPECT_EQ(pieces[0], U'ᾏ');
  EXPECT_EQ(canonicalDecomposition(U'a', pieces, kMostTerms), 1u);
  EXPECT_EQ(canonicalDecomposition(U'가', pieces, kMostTerms), 2u);
  EXPECT_EQ(std::u32string(pieces, 2), U"\u1100\u1161");
}

}  // namespace
