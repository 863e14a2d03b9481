// A list of 2.65 million entries: the column store holds it, and the modes
// that read it once find in it exactly what they find in the few entries
// that can answer, spread through it. The filler between those entries has
// no letter or digit, so every total of it is 0 and it never agrees.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "e2e/Scratch.h"
#include "wordlist/Dictionary.h"

namespace {

constexpr size_t kEntries = 2650000;

// The fixture's entries, in order, each after an even share of filler.
std::string spreadThrough(const std::string& fixture) {
  const std::string real = readFileBytes(std::string(VERIGLYPH_E2E_DIR) + "/fixtures/" + fixture);
  const size_t lines = static_cast<size_t>(std::count(real.begin(), real.end(), '\n'));
  std::string list;
  list.reserve(kEntries * 8);
  size_t start = 0, filler = 0;
  for (size_t line = 0; line < lines; ++line) {
    for (size_t i = 0; i < kEntries / lines; ++i, ++filler) {
      list.append(1 + filler % 5, "-.,;:"[filler % 5]).append(filler % 3, ' ') += "\r\n";
    }
    const size_t end = real.find('\n', start) + 1;
    list.append(real, start, end - start);
    start = end;
  }
  return list;
}

// Runs a case of the suite on its word list spread through the filler: the
// same console text and result file.
void expectSameAnswer(const std::string& caseName, const std::string& fixture,
                      const std::vector<std::string>& args, const std::string& result) {
  const std::string caseDir = std::string(VERIGLYPH_E2E_DIR) + "/cases/" + caseName + "/";
  Scratch scratch;
  scratch.writeFile(kWordListRelative, spreadThrough(fixture));
  scratch.writeFile("spellbook/user_entries.txt", "");
  const RunResult run = runVeriglyph(scratch.path(), args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::string expected = readFileBytes(caseDir + "stdout");
  // An existing spellbook, not the first run's missing one.
  const std::string warning =
      "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
      "against\n ... previous entries\n";
  if (const size_t at = expected.find(warning); at != std::string::npos) {
    expected.replace(at, warning.size(), "");
  }
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(scratch.readFile("spellbook/Results/" + result),
            readFileBytes(caseDir + "expect/spellbook/Results/" + result));
}

TEST(LargeList, MatchAndFindAsOnTheFewEntriesThatAnswer) {
  expectSameAnswer("match-first-run", "match-magic.txt", {"--match", "magic"}, "match_magic.txt");
  expectSameAnswer("find-57ord", "find-words.txt", {"--find", "57ord"}, "output_57ord.txt");
}

TEST(LargeList, TheColumnStoreHoldsIt) {
  Dictionary dictionary;
  dictionary.appendFileBytes(spreadThrough("match-magic.txt"), Dictionary::HashLines::entries);
  ASSERT_EQ(dictionary.size(), kEntries / 12 * 12 + 12);
  EXPECT_EQ(dictionary.text(dictionary.size() - 1), "lwhy");
  EXPECT_EQ(dictionary.total(kEntries / 12, Method::ordinal), 33);  // "magic"
}

}  // namespace
