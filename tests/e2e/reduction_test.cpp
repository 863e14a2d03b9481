#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

// Digital roots by hand: bad 7 (ord 7, red 7), ace 9, Hello World 7 (ord 124, red 52),
// ri 9 (ord 27, red 18), j 1 (ord 10, red 1). "&" counts 27 in ordinal but nothing in reduced,
// so its roots disagree (9 against 0); "-" totals 0 everywhere and has no root.
const std::vector<std::string> kWords = {"bad", "ace", "&", "Hello World", "ri", "-", "j"};

const std::string kDisagree =
    "ERROR: Spell.digitalRoot() calculated differing digital roots, full vs. reduced.\n"
    "ERROR calculating digital roots.\n";
const std::string kNoRoot = "ERROR calculating digital roots.\n";

std::string banner(const std::string& number) {
  return "Perform dictionary matching for spells with reductions of '" + number + "':'\n";
}

std::string loaded() {
  return std::string("Loading dictionary file (") + kWordListRelative + ")...Done.\n";
}

struct ReductionCase {
  std::string argument;
  std::string number;
  std::vector<std::string> listedBeforeAmpersand;  // from "bad" and "ace"
  std::vector<std::string> listedBeforeDash;       // from "Hello World" and "ri"
  std::vector<std::string> listedAtEnd;            // from "j"
};

const std::vector<ReductionCase> kCases = {
    {"9", "9", {"ace"}, {"ri"}, {}}, {"07", "7", {"bad"}, {"Hello World"}, {}},
    {" +1", "1", {}, {}, {"j"}},     {"16", "16", {}, {}, {}},
    {"seven", "0", {}, {}, {}},      {"-4", "-4", {}, {}, {}},
};

std::string listing(const std::vector<std::string>& words, std::string* file) {
  std::string lines;
  for (const std::string& word : words) {
    lines += "    " + word + "\n";
    *file += "* " + word + "\n";
  }
  return lines;
}

class ReductionMatch : public testing::TestWithParam<ReductionCase> {};

TEST_P(ReductionMatch, ListsWordsWithThatRootAndNeverArchives) {
  const ReductionCase& c = GetParam();
  Scratch scratch;
  scratch.writeWordList(kWords);
  const RunResult run = runVeriglyph(scratch.path(), {"--reduction-match", c.argument, "x"});
  const std::string path = "spellbook/Results/reduction_" + c.number + ".txt";
  std::string file;
  std::string expected = banner(c.number) + loaded() + "Output file will be: " + path + "\n";
  expected += listing(c.listedBeforeAmpersand, &file) + kDisagree;
  expected += listing(c.listedBeforeDash, &file) + kNoRoot;
  expected += listing(c.listedAtEnd, &file);
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(scratch.readFile(path), file);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

INSTANTIATE_TEST_SUITE_P(Numbers, ReductionMatch, testing::ValuesIn(kCases));

TEST(ReductionMatchFailure, MissingWordListFails) {
  Scratch scratch;
  const RunResult run = runVeriglyph(scratch.path(), {"--reduction-match", "7"});
  EXPECT_EQ(run.out, banner("7") + "Loading dictionary file (" + kWordListRelative +
                         ")...\nERROR - failed to open dictionary file."
                         "ERROR: failed to load dictionary files for consonantal matching "
                         "operation.\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(std::filesystem::is_empty(scratch.at("spellbook/Results")));
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

TEST(ReductionMatchFailure, MissingResultsFolderStillSucceeds) {
  Scratch scratch;
  scratch.writeWordList({"bad"}, "\n");
  scratch.remove("spellbook/Results");
  const RunResult run = runVeriglyph(scratch.path(), {"--reduction-match", "7"});
  EXPECT_EQ(run.out, banner("7") + loaded() +
                         "Output file will be: spellbook/Results/reduction_7.txt\n"
                         "ERROR: failed to open output file (spellbook/Results/reduction_7.txt)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

}  // namespace
