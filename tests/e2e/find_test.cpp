#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

// Totals by hand: bad/dab ord 7, rev-red 20; j ord 10, red 1, rev 17; bh ord 10, red 10;
// Rose ord 57, bacon 83; rose ord 57, bacon 57; "-" all 0; Hello World ord 124.
const std::vector<std::string> kWords = {"bad",  "dab",  "j", "bh",
                                         "Rose", "rose", "-", "Hello World"};

std::string loaded(const std::string& path) {
  return "Loading dictionary file (" + path + ")...Done.\n";
}

std::string matchLines(const std::vector<std::string>& words, const std::string& search) {
  std::string lines;
  for (const std::string& word : words) lines += "MATCH: \"" + word + "\" = " + search + "\n";
  return lines;
}

struct FindCase {
  std::string search;
  int termCount;
  std::string termLines;  // each raw term, then what was read from it
  std::string key;
  std::string termList;  // as the result file quotes the terms
  std::vector<std::string> matches;
};

const std::vector<FindCase> kFindCases = {
    {"7ord", 1, "    7ord\n [ord]:[7]=[7]\n", "7ord", "**7** ord", {"bad", "dab"}},
    {"10ordinal/1red/17ro",
     3,
     "    10ordinal\n [ordinal]:[10]=[10]\n    1red\n [red]:[1]=[1]\n    17ro\n [ro]:[17]=[17]\n",
     "10ordinal1red17ro",
     "**10** ord / **1** red / **17** rev",
     {"j"}},
    {"10ord/", 1, "    10ord\n [ord]:[10]=[10]\n", "10ord", "**10** ord", {"j", "bh"}},
    {"/10ord", 2, "    \n []:[]=[0]\n    10ord\n [ord]:[10]=[10]\n", "10ord", "", {}},
    {"10ord//1red",
     3,
     "    10ord\n [ord]:[10]=[10]\n    \n []:[]=[0]\n    1red\n [red]:[1]=[1]\n",
     "10ord1red",
     "",
     {}},
    {"ORD10", 1, "    ORD10\n [ORD]:[10]=[10]\n", "10ORD", "", {}},
    {"10fib", 1, "    10fib\n [fib]:[10]=[10]\n", "10fib", "", {}},
    {"57ord", 1, "    57ord\n [ord]:[57]=[57]\n", "57ord", "**57** ord", {"Rose", "rose"}},
    // "rose" totals 57 in Francis Bacon but holds no capital letter.
    {"57bacon", 1, "    57bacon\n [bacon]:[57]=[57]\n", "57bacon", "", {}},
    {"83fb", 1, "    83fb\n [fb]:[83]=[83]\n", "83fb", "**83** bacon", {"Rose"}},
    {"rev-red20",
     1,
     "    rev-red20\n [revred]:[20]=[20]\n",
     "20revred",
     "**20** rev-red",
     {"bad", "dab"}},
    {"07ord", 1, "    07ord\n [ord]:[07]=[7]\n", "07ord", "**07** ord", {"bad", "dab"}},
    {"7ord/7ord",
     2,
     "    7ord\n [ord]:[7]=[7]\n    7ord\n [ord]:[7]=[7]\n",
     "7ord7ord",
     "**7** ord / **7** ord",
     {"bad", "dab"}},
    {"ord", 1, "    ord\n [ord]:[]=[0]\n", "ord", "**** ord", {"-"}},
    // Beyond the 32-bit range: read as 0, yet it must not match the all-zero "-".
    {"99999999999ord",
     1,
     "    99999999999ord\n [ord]:[99999999999]=[0]\n",
     "99999999999ord",
     "",
     {}},
};

class FindSearch : public testing::TestWithParam<std::tuple<FindCase, std::string>> {};

TEST_P(FindSearch, PrintsTermsAndMatchesAndWritesFile) {
  const FindCase& c = std::get<0>(GetParam());
  Scratch scratch;
  scratch.writeWordList(kWords, std::get<1>(GetParam()));
  const RunResult run = runVeriglyph(scratch.path(), {"--find", c.search, "ignored"});
  EXPECT_EQ(run.out, loaded(kWordListRelative) + "Search mode:  number of search terms: " +
                         std::to_string(c.termCount) + "\n  search terms:" + c.termLines +
                         matchLines(c.matches, c.search) + "Done.\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  std::string file;
  for (const std::string& word : c.matches) file += "* *\"" + word + "\"* = " + c.termList + "\n";
  EXPECT_EQ(scratch.readFile("spellbook/Results/output_" + c.key + ".txt"), file);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

INSTANTIATE_TEST_SUITE_P(Terms, FindSearch,
                         testing::Combine(testing::ValuesIn(kFindCases),
                                          testing::Values("\r\n", "\n")));

TEST(Find, EmptySearchStringListsEverySpell) {
  Scratch scratch;
  scratch.writeWordList(kWords);
  const RunResult run = runVeriglyph(scratch.path(), {"--find", ""});
  std::string file;
  for (const std::string& word : kWords) file += "* *\"" + word + "\"* = \n";
  EXPECT_EQ(run.out,
            loaded(kWordListRelative) + "Dictionary mode..." + matchLines(kWords, "") + "Done.\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(scratch.readFile("spellbook/Results/output_.txt"), file);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

TEST(Find, SpellsSearchReadsUserSpellbookAndLeavesItAlone) {
  Scratch scratch;
  scratch.writeWordList({"bad"});
  const std::string spellbook = "#j\nj\r\nbh\n\nHello World\n";
  scratch.writeFile("spellbook/user_entries.txt", spellbook);
  const RunResult run = runVeriglyph(scratch.path(), {"--find-spells", "10ord"});
  EXPECT_EQ(run.out, loaded("spellbook/user_entries.txt") +
                         "Search mode:  number of search terms: 1\n  search terms:    10ord\n"
                         " [ord]:[10]=[10]\n" +
                         matchLines({"j", "bh"}, "10ord") + "Done.\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(scratch.readFile("spellbook/Results/output_10ord.txt"),
            "* *\"j\"* = **10** ord\n* *\"bh\"* = **10** ord\n");
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), spellbook);
}

TEST(Find, MissingSourceFileFails) {
  for (const std::string mode : {"--find", "--find-spells"}) {
    Scratch scratch;
    const std::string source =
        mode == "--find" ? std::string(kWordListRelative) : "spellbook/user_entries.txt";
    const RunResult run = runVeriglyph(scratch.path(), {mode, "7ord"});
    EXPECT_EQ(run.out, "Loading dictionary file (" + source +
                           ")...\nERROR - failed to open dictionary file."
                           "ERROR: failed to load dictionary files for search operation.\n")
        << mode;
    EXPECT_EQ(run.status, 1) << mode;
    EXPECT_FALSE(scratch.exists("spellbook/Results/output_7ord.txt")) << mode;
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt")) << mode;
  }
}

const std::string kSevenOrdHead =
    "Search mode:  number of search terms: 1\n  search terms:    7ord\n"
    " [ord]:[7]=[7]\n";

TEST(Find, UnopenableOrUnwritableResultFileFails) {
  for (const bool fullDevice : {false, true}) {
    Scratch scratch;
    scratch.writeWordList(kWords);
    if (fullDevice) {
      std::filesystem::create_symlink("/dev/full", scratch.at("spellbook/Results/output_7ord.txt"));
    } else {
      scratch.remove("spellbook/Results");
    }
    const RunResult run = runVeriglyph(scratch.path(), {"--find", "7ord"});
    const std::string failure =
        fullDevice ? matchLines({"bad", "dab"}, "7ord") +
                         "ERROR: failed to write output file (spellbook/Results/output_7ord.txt)\n"
                   : "ERROR: failed to open output file (spellbook/Results/output_7ord.txt)\n";
    EXPECT_EQ(run.out, loaded(kWordListRelative) + kSevenOrdHead + failure +
                           "ERROR: problem running dictionary search.\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  }
}

}  // namespace
