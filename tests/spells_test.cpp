#include "TestSupport.h"
#include "cyphers/CypherSet.h"
#include "text/QueryPhrases.h"
#include "text/Text.h"
#include "wordlist/SpellTotals.h"

namespace {

// The loader's one-pass totals agree with each cypher's own walk, on any bytes.
TEST(SpellTotals, AgreeWithEveryCypherAndNoteLetters) {
  std::string everyByte;
  for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
  for (const std::string& text :
       std::vector<std::string>{"Hello World", "", "&", "Kiss", everyByte, everyByte + everyByte}) {
    const SpellTotals totals = totalsOf(text);
    for (size_t m = 0; m < kSpellCyphers; ++m)
      EXPECT_EQ(totals.totals[m], totalOf(builtInCyphers()[m], text)) << m;
  }
  // Letter facts. K/V counts only where it changed the total: in "kid" it did not
  // (11 + 9 + 4 both ways).
  const std::pair<const char*, int> facts[] = {
      {"Sun", kHoldsS | kHoldsCapital},
      {"bus", kHoldsS},
      {"vat", kHoldsKV | kKVCounts},
      {"Kiss", kHoldsS | kHoldsKV | kHoldsCapital | kKVCounts},
      {"kid", kHoldsKV},
      {"x$\xc3\x89", 0},
      {"", 0}};
  for (const auto& [text, flags] : facts) EXPECT_EQ(totalsOf(text).flags, flags) << text;
}

TEST(SpellTotals, DigitalRootsAndSymmetries) {
  // "&" counts 27 in ordinal but 0 in reduced: the roots disagree.
  const std::pair<const char*, int> roots[] = {{"Hello World", 7}, {"", 0},      {"i", 9},
                                               {"zz", 7},          {"a&", 1},    {"!?", 0},
                                               {"&", -1},          {"& - &", -1}};
  for (const auto& [text, root] : roots) {
    const SpellTotals s = totalsOf(text);
    bool disagree = false;
    EXPECT_EQ(digitalRoot(s[Method::ordinal], s[Method::reduced], disagree), std::max(root, 0));
    EXPECT_EQ(disagree, root < 0) << text;
  }
  // "aisy": 54 both ways but reduced 18 against 27; "ah": reduced 9 both ways but 9 against 45.
  using Texts = std::vector<const char*>;
  const auto check = [](bool (*test)(const SpellTotals&), const Texts& yes, const Texts& no) {
    for (const char* text : yes) EXPECT_TRUE(test(totalsOf(text))) << text;
    for (const char* text : no) EXPECT_FALSE(test(totalsOf(text))) << text;
  };
  check(ordinalSymmetry, {"az", "aisy", "&", ""}, {"ah", "Hello World", "p"});
  check(reducedSymmetry, {"az", "ah", "&", ""}, {"aisy", "Hello World", "p"});
  check(fullSymmetry, {"az", "&", ""}, {"aisy", "ah", "Hello World", "p"});
  check(alwkfwMatch, {"p", "&", ""}, {"az", "aisy", "ah", "Hello World"});
}

TEST(TextTests, QueryPluralAndHelpers) {
  for (const char* yes : {"Whole", "somewhere", "thistle", "you will not go", "You will", "How to",
                          "I can", "can I", "It is", "is it", "What I do"})
    EXPECT_TRUE(possibleQuery(yes)) << yes;
  for (const char* no : {"WHAT IS", "you will go", "You shall", "howto", "i can", "it's", ""})
    EXPECT_FALSE(possibleQuery(no)) << no;
  for (const char* yes : {"Cats", "s", "S", "bus", "BoSs", "sS"})
    EXPECT_TRUE(possiblePlurality(yes));
  for (const char* no : {"glass", "BOSS", "", "ss", "cat", "cats "})
    EXPECT_FALSE(possiblePlurality(no)) << no;
  EXPECT_FALSE(hasCapitals("\xc3\x89t\xc3\xa9") || endsWith("cats", "S") || endsWith("s", "ss"));
  EXPECT_EQ(lowerCaseForm("ABC-123_xyz &Z\xc3\x89"), "abc-123_xyz &z\xc3\x89");
  std::string html, href;
  appendHtmlEscaped(html, "Tom's <b> \"&amp;\" #?%");
  appendHrefEscaped(href, "Tom's <b> \"&amp;\" #?%");
  EXPECT_EQ(html, "Tom's &lt;b&gt; &quot;&amp;amp;&quot; #?%");
  EXPECT_EQ(href, "Tom's &lt;b&gt; &quot;&amp;amp;&quot; %23%3F%25");
}

}  // namespace
