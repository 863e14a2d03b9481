#include <functional>
#include <map>

#include "DataTable.h"
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
}

// What a spell's text says of it: its letters, its digital root, its
// symmetries, whether it may be a query or a plural, and its forms.
TEST(TextFacts, AsTabled) {
  const auto yes = [](bool fact) { return std::string(fact ? "yes" : "no"); };
  const auto letters = [](const SpellTotals& s) {
    std::string names;
    for (const auto& [flag, name] : {std::pair{kHoldsS, "s"},
                                     {kHoldsKV, "kv"},
                                     {kHoldsCapital, "capital"},
                                     {kKVCounts, "kv-counts"}})
      if (s.flags & flag) names += (names.empty() ? "" : " ") + std::string(name);
    return s.flags & ~15 ? "other flags" : names;
  };
  const auto root = [](const SpellTotals& s) {
    bool disagree = false;
    const int root = digitalRoot(s[Method::ordinal], s[Method::reduced], disagree);
    return disagree ? "disagree" : std::to_string(root);
  };
  const auto escaped = [](void (*append)(std::string&, std::string_view), const std::string& t) {
    std::string out;
    append(out, t);
    return out;
  };
  const std::map<std::string, std::function<std::string(const std::string&)>> facts = {
      {"letters", [&](const std::string& t) { return letters(totalsOf(t)); }},
      {"root", [&](const std::string& t) { return root(totalsOf(t)); }},
      {"ordinal-symmetry", [&](const std::string& t) { return yes(ordinalSymmetry(totalsOf(t))); }},
      {"reduced-symmetry", [&](const std::string& t) { return yes(reducedSymmetry(totalsOf(t))); }},
      {"full-symmetry", [&](const std::string& t) { return yes(fullSymmetry(totalsOf(t))); }},
      {"alw-kfw", [&](const std::string& t) { return yes(alwkfwMatch(totalsOf(t))); }},
      {"query", [&](const std::string& t) { return yes(possibleQuery(t)); }},
      {"plural", [&](const std::string& t) { return yes(possiblePlurality(t)); }},
      {"capitals", [&](const std::string& t) { return yes(hasCapitals(t)); }},
      {"lower", [](const std::string& t) { return lowerCaseForm(t); }},
      {"html", [&](const std::string& t) { return escaped(appendHtmlEscaped, t); }},
      {"href", [&](const std::string& t) { return escaped(appendHrefEscaped, t); }},
      {"reduction",
       [](const std::string& t) { return std::to_string(reductionValue(std::stoll(t))); }},
      {"tag", [](const std::string& t) {
         static const CypherSet cyphers;
         const Cypher* c = cyphers.findByTag(t);
         return c ? c->defaultTag : "none";
       }}};
  for (const Row& row : dataRows("text-facts.tsv"))
    EXPECT_EQ(facts.at(row[0])(row[1]), row[2]) << row[0] << " of " << row[1];
  EXPECT_FALSE(endsWith("cats", "S") || endsWith("s", "ss"));
}

}  // namespace
