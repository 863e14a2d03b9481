#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

const std::string kFirstArchive =
    "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
    "against\n ... previous entries\nDone\n";
const std::string kFooter =
    "----\n* ([Consonant Roots](/r/SurveyorsOfAges/wiki/discovery/consonant-roots/))\n";

std::string archiving(const std::string& spell) {
  return "Archiving <" + spell + "> in user spellbook...";
}

struct DisplayCase {
  std::string mode;
  std::string spell;
  std::string root;
  std::string spellbookBefore;  // empty: no user spellbook yet
  std::string archiveOutcome;
  std::string spellbookAfter;
};

const std::vector<DisplayCase> kDisplayCases = {
    {"--consonant-roots", "Hello World 2019", "HllWrld", "", kFirstArchive, "Hello World 2019\n"},
    {"--consonantal-roots", "Aeiou", "A", "Yes\n", "Done\n", "Yes\nAeiou\n"},
    {"--consonant-root", "Yes", "Ys", "Yes\n", "...already exists, no need to add it.\n", "Yes\n"},
    {"--consonantal-root", "aeiou 42", "", "", kFirstArchive, "aeiou 42\n"},
};

class RootsDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(RootsDisplay, PrintsRootAndArchives) {
  const DisplayCase& c = GetParam();
  Scratch scratch;
  if (!c.spellbookBefore.empty())
    scratch.writeFile("spellbook/user_entries.txt", c.spellbookBefore);
  const RunResult run = runVeriglyph(scratch.path(), {c.mode, c.spell, "ignored"});
  EXPECT_EQ(run.out, "Examining consonantal root of '" + c.spell + "':'\nResult: " + c.root + "\n" +
                         archiving(c.spell) + c.archiveOutcome);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), c.spellbookAfter);
  EXPECT_TRUE(std::filesystem::is_empty(scratch.at("spellbook/Results")));
}

INSTANTIATE_TEST_SUITE_P(Switches, RootsDisplay, testing::ValuesIn(kDisplayCases));

// Roots: Hello/hallo/hill/Hull/"h all" hll, help hlp, Apple Appl, apple/pupil ppl.
const std::vector<std::string> kWords = {"Hello", "help",  "hallo", "Apple", "apple",
                                         "hill",  "pupil", "Hull",  "h all"};

std::string perform(const std::string& spell) {
  return "Perform dictionary matching with consonantal root of '" + spell +
         "':'\nLoading dictionary file (" + kWordListRelative + ")...Done.\n";
}

struct MatchCase {
  std::string mode;
  std::string spell;
  std::string root;
  std::vector<std::string> matches;
};

const std::vector<MatchCase> kMatchCases = {
    {"--consonant-roots-match", "Hello", "Hll", {"Hello", "hallo", "hill", "Hull", "h all"}},
    {"--consonantal-roots-match", "Apple", "Appl", {"Apple"}},
    {"--consonant-root-match", "apple", "ppl", {"apple", "pupil"}},
    {"--consonantal-root-match", "xyz", "xyz", {}},
};

class RootsMatch : public testing::TestWithParam<MatchCase> {};

TEST_P(RootsMatch, ListsWordsWritesLinkedFileAndArchives) {
  const MatchCase& c = GetParam();
  Scratch scratch;
  scratch.writeWordList(kWords);
  const RunResult run = runVeriglyph(scratch.path(), {c.mode, c.spell, "ignored"});
  const std::string file = "spellbook/Results/conroots_" + c.root + ".txt";
  std::string listed, content;
  for (const std::string& word : c.matches) {
    listed += "    " + word + "\n";
    content += "* " + word + " . . . . ([ety](https://en.wiktionary.org/wiki/" + word + "))\n";
  }
  EXPECT_EQ(run.out, perform(c.spell) + "Output file will be: " + file + "\n" + listed +
                         archiving(c.spell) + kFirstArchive);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(scratch.readFile(file), content + kFooter);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), c.spell + "\n");
}

INSTANTIATE_TEST_SUITE_P(Switches, RootsMatch, testing::ValuesIn(kMatchCases));

struct MatchFailureCase {
  std::string spell;
  bool fullDevice;  // the result file is a link to /dev/full
  std::string middle;
};

const std::vector<MatchFailureCase> kMatchFailureCases = {
    {"aeiou 42", false, "Consonantal root extraction returned empty string.\n"},
    // A root holding "/" names a file in a folder that does not exist.
    {"r/s", false,
     "Output file will be: spellbook/Results/conroots_r/s.txt\n"
     "ERROR: failed to open output file (spellbook/Results/conroots_r/s.txt)\n"},
    {"Hello", true,
     "Output file will be: spellbook/Results/conroots_Hll.txt\n"
     "    Hello\n    hallo\n    hill\n    Hull\n    h all\n"
     "ERROR: failed to write output file (spellbook/Results/conroots_Hll.txt)\n"},
};

class RootsMatchFailure : public testing::TestWithParam<MatchFailureCase> {};

TEST_P(RootsMatchFailure, ReportsAndStillArchives) {
  const MatchFailureCase& c = GetParam();
  Scratch scratch;
  scratch.writeWordList(kWords, "\n");
  if (c.fullDevice) {
    std::filesystem::create_symlink("/dev/full", scratch.at("spellbook/Results/conroots_Hll.txt"));
  }
  const RunResult run = runVeriglyph(scratch.path(), {"--consonant-roots-match", c.spell});
  EXPECT_EQ(run.out, perform(c.spell) + c.middle + archiving(c.spell) + kFirstArchive);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(c.fullDevice, !std::filesystem::is_empty(scratch.at("spellbook/Results")));
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), c.spell + "\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, RootsMatchFailure, testing::ValuesIn(kMatchFailureCases));

TEST(RootsMatchLoad, MissingWordListFailsWithoutArchiving) {
  Scratch scratch;
  const RunResult run = runVeriglyph(scratch.path(), {"--consonantal-roots-match", "Hello"});
  EXPECT_EQ(run.out,
            "Perform dictionary matching with consonantal root of 'Hello':'\n"
            "Loading dictionary file (" +
                std::string(kWordListRelative) +
                ")...\nERROR - failed to open dictionary file."
                "ERROR: failed to load dictionary files for consonantal matching "
                "operation.\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  EXPECT_TRUE(std::filesystem::is_empty(scratch.at("spellbook/Results")));
}

}  // namespace
