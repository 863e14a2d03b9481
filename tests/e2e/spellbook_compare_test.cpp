#include <gtest/gtest.h>

#include "e2e/Scratch.h"

namespace {

// magic totals 33 + 24 + 102 + 30 = 189 in the four basic cyphers; with sumerian 198,
// eng-ext 60, jewish 50, old-eng 32, satanic 208, primes 88, trigonal 171, squares 309 and
// fibonacci 283 the visible total is 1588.
const std::string kTotalLine = " --- Total (all visible ciphers): 1588 ---\n";

// The long-form report as the one-word analysis prints it, up to its total line.
std::string magicReport() {
  Scratch scratch;
  const std::string out = runVeriglyph(scratch.path(), {"magic"}).out;
  const size_t end = out.find(kTotalLine);
  EXPECT_NE(end, std::string::npos) << out;
  EXPECT_EQ(out.rfind("\"magic\" in multiple systems:\n", 0), 0u);
  EXPECT_NE(out.find("\n   ---- Base 4 total: 189 -----\n"), std::string::npos);
  return end == std::string::npos ? out : out.substr(0, end + kTotalLine.size());
}

const std::string kLoadUser = "Loading dictionary file (spellbook/user_entries.txt)...";
const std::string kLoadWords =
    "Loading dictionary file "
    "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...Done.\n";
const std::string kMatch =
    "Performing dictionary match against <magic>\n"
    "Looping through dictionary...\n-----------------------------\n";
const std::string kDone = "-----------------------------\nDone.\n";

std::string banner(const std::string& heading) {
  const std::string dashes(71, '-'), blanks(71, ' ');
  return dashes + "\n" + blanks + "\n     \033[33m" + heading + "\033[0m : 'magic'\n" + blanks +
         "\n" + dashes + "\n";
}

// Against magic: the anagram gamic scores 31, Magic 30 (only franc baconis differs), and
// lm (jewish 50) and gz (ordinal 33, sumerian 198, franc baconis 66) 4 each.
const std::string kMarks =
    " {\033[33m++\033[0m,\033[34mr\033[0m,\033[32mrv\033[0m,\033[32msp\033[0m,\033[0moe\033[0m,"
    "\033[31mst\033[0m,\033[31mal\033[0m,\033[31mkf\033[0m,\033[31m%\033[0m}";
const std::string kGamic = "[\033[36mgamic\033[0m]" + kMarks;
const std::string kMagicCap = "[\033[36mMagic\033[0m]" + kMarks;

const char* const kSwitches[] = {"--spells", "--spellbook"};

}  // namespace

TEST(Spells, WithoutUserSpellbookMatchesNothingAndArchives) {
  const std::string report = magicReport();
  for (const char* flag : kSwitches) {
    SCOPED_TRACE(flag);
    Scratch scratch;
    const RunResult run = runVeriglyph(scratch.path(), {flag, "magic"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, report + kLoadUser + "\nERROR - failed to open dictionary file." + kMatch +
                           kDone +
                           "Archiving <magic> in user spellbook...\nWARNING - failed to open "
                           "spellbook/user_entries.txt in order to compare your spell against\n"
                           " ... previous entries\nDone\n\n");
    EXPECT_EQ(scratch.readFile("spellbook/Results/match_magic.txt"),
              "The search phrase: 'magic'\n");
    EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "magic\n");
  }
}

TEST(Spells, MatchesAgainstUserSpellbookOnly) {
  const std::string report = magicReport();
  const std::string entries = "gamic\n# gamic, noted by hand\nMagic\nmagic\n";
  for (const char* flag : kSwitches) {
    SCOPED_TRACE(flag);
    Scratch scratch;
    scratch.writeWordList({"lm", "gz"});  // not consulted
    scratch.writeFile("spellbook/user_entries.txt", entries);
    const RunResult run = runVeriglyph(scratch.path(), {flag, "magic"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    // The spell archived earlier meets itself after the other entries of its groups.
    EXPECT_EQ(run.out, report + kLoadUser + "Done.\n" + kMatch + banner("**31 matches**") + kGamic +
                           "[[SEARCHPHRASE:magic]]\n\n" + banner("**30 matches**") + kMagicCap +
                           "\n" + banner("**All prime matches**") + kGamic + ",  " + kMagicCap +
                           "[[SEARCHPHRASE:magic]]\n\n" + kDone +
                           "Archiving <magic> in user spellbook......already exists, no need to "
                           "add it.\n\n");
    EXPECT_EQ(scratch.readFile("spellbook/Results/match_magic.txt"),
              "The search phrase: 'magic'\n\n\n**31 matches**\n\n* gamic\n\n\n**30 matches**\n\n* "
              "*Magic*\n\n\n**All prime matches**\n\n* gamic\n* *Magic*\n");
    EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), entries);
  }
}

TEST(AllSpells, ListsWordListSpellsBeforeUserSpells) {
  const std::string report = magicReport();
  Scratch scratch;
  scratch.writeWordList({"lm", "gamic"});
  scratch.writeFile("spellbook/user_entries.txt", "gz\nMagic\n");
  const RunResult run = runVeriglyph(scratch.path(), {"--all-spells", "magic"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, report + kLoadWords + kLoadUser + "Done.\n" + kMatch +
                         banner("**31 matches**") + kGamic + "\n" + banner("**30 matches**") +
                         kMagicCap + "\n" + banner("**4 matches**") +
                         "\033[35mlm\033[0m {\033[31m%\033[0m},  \033[35mgz\033[0m\n" +
                         banner("**All prime matches**") + kGamic + ",  " + kMagicCap + "\n" +
                         kDone + "Archiving <magic> in user spellbook...Done\n\n");
  EXPECT_EQ(scratch.readFile("spellbook/Results/match_magic.txt"),
            "The search phrase: 'magic'\n\n\n**31 matches**\n\n* gamic\n\n\n**30 matches**\n\n* "
            "*Magic*\n\n\n**4 matches**\n\n* lm\n* gz\n\n\n**All prime matches**\n\n* gamic\n* "
            "*Magic*\n");
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "gz\nMagic\nmagic\n");
}
