// How an own cypher reads a character: itself, its case fold, its canonical
// decomposition (base letter, then each listed mark); an unlisted non-spacing
// mark is no term, anything else unlisted a term of 0.
#include "DataTable.h"
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
  for (const Row& c : dataRows("character-lookup.tsv")) {
    SCOPED_TRACE(c[0]);
    EXPECT_EQ(breakdownOf(cypher, c[0]), c[1]);
    EXPECT_EQ(unknownLetters(cypher, c[0]), c[2]);
  }
}

// The simple case fold and the canonical decomposition, as the Unicode data gives them.
TEST(CharacterLookup, SimpleFoldsAndDecompositions) {
  for (const Row& fold : dataRows("case-folds.tsv")) {
    EXPECT_EQ(simpleCaseFold(std::stoul(fold[0], nullptr, 16)), std::stoul(fold[1], nullptr, 16))
        << fold[0];
  }
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
