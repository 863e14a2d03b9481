// Many runs archiving at the same moment: every spell is stored once and every line whole.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <thread>

#include "e2e/Scratch.h"

namespace {

// Starts one run per spell, all at once, and waits for them.
void archiveAtOnce(const Scratch& scratch, const std::vector<std::string>& spells) {
  std::vector<std::thread> runs;
  for (const std::string& spell : spells) {
    runs.emplace_back([&scratch, &spell] {
      const RunResult result = runVeriglyph(scratch.path(), {"--line", spell});
      EXPECT_EQ(result.status, 0);
      EXPECT_EQ(result.err, "");
    });
  }
  for (std::thread& run : runs) run.join();
}

TEST(SpellbookStress, ConcurrentRunsStoreEachSpellOnceAndWhole) {
  Scratch scratch;
  scratch.writeFile("spellbook/user_entries.txt", "Alpha\nBeta");  // a hand-edited last line
  std::map<std::string, int> expected = {{"Alpha", 1}, {"Beta", 1}};
  // A few rounds, since runs meet only by chance: long spells, which go out in
  // several writes unless written whole, then one new short spell in every run.
  for (int round = 0; round < 3; ++round) {
    std::vector<std::string> spells;
    for (int i = 0; i < 20; ++i) {
      spells.push_back(std::string(60000, static_cast<char>('a' + i)) + std::to_string(round));
    }
    archiveAtOnce(scratch, spells);
    const std::string shortSpell = "Gamma" + std::to_string(round);
    archiveAtOnce(scratch, std::vector<std::string>(20, shortSpell));
    for (const std::string& spell : spells) expected[spell] = 1;
    expected[shortSpell] = 1;
  }

  std::map<std::string, int> stored;
  std::istringstream lines(scratch.readFile("spellbook/user_entries.txt"));
  for (std::string line; std::getline(lines, line);) ++stored[line];
  EXPECT_TRUE(stored == expected) << stored.size() << " distinct lines stored";
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt").back(), '\n');
}

}  // namespace
