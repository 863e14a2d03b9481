#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"
#include "spells/DictionarySearch.h"

namespace {

using Pieces = std::vector<std::string>;

TEST(ExtractSearchValues, SplitsAtEverySlash) {
  // clang-format off
  const struct {
    std::string search;
    Pieces pieces;
  } cases[] = {
      {"", {}}, {"33ord", {"33ord"}}, {"33ord/21red/40rev", {"33ord", "21red", "40rev"}},
      {"33ord/", {"33ord"}}, {"/33ord", {"", "33ord"}}, {"33ord//21red", {"33ord", "", "21red"}},
      {"/", {""}}, {"//", {"", ""}}, {"a b/ c/", {"a b", " c"}}};
  // clang-format on
  for (const auto& c : cases) EXPECT_EQ(extractSearchValues(c.search), c.pieces) << c.search;
}

TEST(CreateSearchTerm, SplitsLettersFromDigits) {
  // clang-format off
  const struct {
    std::string raw, tag, valueText;
    int32_t value;
    bool inRange;
  } cases[] = {
      {"33ord", "ord", "33", 33, true}, {"ord33", "ord", "33", 33, true},
      {"3o3rd", "ord", "33", 33, true}, {"rev-red40", "revred", "40", 40, true},
      {"033ord", "ord", "033", 33, true}, {"ord", "ord", "", 0, true}, {"", "", "", 0, true},
      {"ORD33", "ORD", "33", 33, true}, {" -1.5 +x ", "x", "15", 15, true},
      {"ord\xc3\xa9 7", "ord", "7", 7, true},  // non-ASCII bytes are no letters
      {"2147483647ord", "ord", "2147483647", INT32_MAX, true},
      {"2147483648ord", "ord", "2147483648", 0, false},
      {"99999999999ord", "ord", "99999999999", 0, false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw);
    const SearchTerm term = createSearchTerm(c.raw);
    EXPECT_EQ(term.cypherTag, c.tag);
    EXPECT_EQ(term.valueText, c.valueText);
    EXPECT_EQ(term.inRange, c.inRange);
    EXPECT_TRUE(!c.inRange || term.value == c.value) << term.value;
  }
}

struct TagRow {
  std::vector<std::string> tags;
  std::string defaultTag;
  int32_t Spell::*total;
};

// Every letters-only tag a term can carry, its cypher's default tag and the
// total it is compared with.
const TagRow kTagRows[] = {
    {{"ord", "ordinal", "basic", "alphabetic"}, "ord", &Spell::ordinalValue},
    {{"or", "red", "reduced", "reduction"}, "red", &Spell::reducedValue},
    {{"rev", "ro", "reverse"}, "rev", &Spell::reverseValue},
    {{"rr", "revred"}, "rev-red", &Spell::reverseReducedValue},
    {{"sumer", "sum", "sumerian"}, "sumer", &Spell::sumerianValue},
    {{"ee", "ext", "engext", "englishext", "englishextended"}, "eng-ext", &Spell::extendedValue},
    {{"baconis", "bcns", "francbaconis"}, "baconis", &Spell::baconisValue},
    {{"bacon", "bcn", "fb", "francisbacon"}, "bacon", &Spell::baconValue},
    {{"oe", "oeng"}, "oe", &Spell::oldEnglishValue},
    {{"j", "jew", "jewish", "agrippa", "latin"}, "j", &Spell::jewishValue},
    {{"jr", "jewred"}, "jr", &Spell::jewishReducedValue},
    {{"kv", "kvexp", "kvexcept"}, "kv", &Spell::kvexceptionValue},
    {{"s", "sex", "sexp", "sexception"}, "s", &Spell::sexceptionValue},
    {{"satan", "st", "stn", "satanic"}, "satan", &Spell::satanicValue},
    {{"sept", "spt", "septenary"}, "sept", &Spell::septenaryValue},
    {{"pri", "prime", "primes"}, "pri", &Spell::primesValue},
    {{"tri", "tr", "trigonal", "triangular"}, "tri", &Spell::trigonalValue},
    {{"sq", "square", "squares"}, "sq", &Spell::squaresValue},
    {{"alw"}, "alw", &Spell::alwValue},
    {{"kfw"}, "kfw", &Spell::kfwValue}};

// A spell of text (capitals by default) whose twenty totals are all value.
Spell spellWithAll(int32_t value, const std::string& text = "Zed") {
  initCyphers();
  const bool savedSilent = silent;
  silent = true;
  Spell spell(text);
  silent = savedSilent;
  for (const TagRow& row : kTagRows) spell.*row.total = value;
  return spell;
}

TEST(RecogniseSearchTerm, EveryTagComparesItsOwnTotal) {
  for (const TagRow& row : kTagRows) {
    for (const std::string& tag : row.tags) {
      SCOPED_TRACE(tag);
      SearchTerm term = createSearchTerm("77" + tag);
      ASSERT_TRUE(recogniseSearchTerm(term));
      EXPECT_EQ(term.cypherTag, row.defaultTag);
      EXPECT_EQ(term.valueText, "77");
      Spell spell = spellWithAll(77);
      EXPECT_TRUE(termMatches(term, spell));
      spell.*row.total = 78;  // every other total still 77
      EXPECT_FALSE(termMatches(term, spell));
    }
  }
}

TEST(RecogniseSearchTerm, HyphenFreeFormsOnly) {
  // clang-format off
  const struct {
    std::string raw, tagAfter;
    bool recognised;
  } cases[] = {
      {"rev-red40", "rev-red", true}, {"eng-ext5", "eng-ext", true}, {"old-eng5", "oldeng", false},
      {"ORD33", "ORD", false}, {"Ord33", "Ord", false}, {"33fib", "fib", false},
      {"33", "", false}, {"", "", false}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw);
    SearchTerm term = createSearchTerm(c.raw);
    EXPECT_EQ(recogniseSearchTerm(term), c.recognised);
    EXPECT_EQ(term.cypherTag, c.tagAfter);
    EXPECT_TRUE(c.recognised || !termMatches(term, spellWithAll(term.value)));
  }
}

TEST(TermMatches, ValueCapitalsAndRange) {
  const struct {
    std::string raw, text;
    int32_t total;
    bool matches;
  } cases[] = {{"33ord", "Zed", 33, true},          {"33ord", "Zed", 34, false},
               {"033ord", "zed", 33, true},         {"ord", "zed", 0, true},
               {"1ord", "zed", 0, false},           {"50bacon", "rose", 50, false},
               {"50bacon", "Rose", 50, true},       {"50bacon", "roSe", 50, true},
               {"50baconis", "rose", 50, true},     {"2147483647ord", "zed", INT32_MAX, true},
               {"99999999999ord", "zed", 0, false}, {"99999999999ord", "zed", INT32_MAX, false},
               {"4294967296ord", "zed", 0, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.raw + " vs " + c.text);
    SearchTerm term = createSearchTerm(c.raw);
    ASSERT_TRUE(recogniseSearchTerm(term));
    EXPECT_EQ(termMatches(term, spellWithAll(c.total, c.text)), c.matches);
  }
}

}  // namespace
