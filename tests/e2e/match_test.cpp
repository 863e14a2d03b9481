#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/Scratch.h"

namespace {

// Totals of magic: ordinal 33, reduced 24, reverse 102, rev-red 30, sumerian 198, eng-ext 60,
// jewish 50, jew-red 23, old-eng 32, franc baconis 66, satanic 208, septenary 17, primes 88,
// trigonal 171, squares 309, ALW = KFW = 69. It holds no k, v, s or capital, so the KV, S and
// Bacon weights never count. Each word, the cyphers it shares with magic and its score:
//   magic  itself: 34 - 3 = 31            gamic  an anagram: 31
//   Magic  all but franc baconis (M 25 against m 26): 30, capitalisation mismatch
//   o      eng-ext 60 (3) + jewish 50 (4) = 7
//   bcfs   septenary 17 (1) + primes 88 (5) = 6; ends like a plural; ALW = KFW = 56
//   mo     primes 88 (5) = 5               lm  jewish 50 (4) = 4; ALW = KFW = 23
//   gz     ordinal 33 (2) + sumerian 198 (1) + franc baconis 66 (1) = 4
//   r      trigonal 171 (3) = 3; reduced = rev-red = 9
//   lwhy   jew-red 23 + satanic 208 = 2; holds "why"
//   hz     old-eng 32 only = 1, listed nowhere       a  nothing = 0
const std::vector<std::string> kWords = {"magic", "gamic", "Magic", "o", "lm",   "gz",
                                         "r",     "mo",    "hz",    "a", "bcfs", "lwhy"};

const std::string kLoad =
    "Loading dictionary file "
    "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...Done.\n";
const std::string kFirstArchive =
    "Archiving <magic> in user spellbook...\nWARNING - failed to open spellbook/user_entries.txt "
    "in order to compare your spell against\n ... previous entries\nDone\n";
const std::string kAgainArchive =
    "Archiving <magic> in user spellbook......already exists, no need to add it.\n";
const std::string kStart = "Performing dictionary match against <magic>\n";
const std::string kExisting =
    "Output file already exists. Writing to temp file until the older match-result is "
    "deleted.\n";
const std::string kLoop = "Looping through dictionary...\n-----------------------------\n";
const std::string kDone = "-----------------------------\nDone.\n";

std::string banner(const std::string& heading) {
  const std::string dashes(71, '-'), blanks(71, ' ');
  return dashes + "\n" + blanks + "\n     \033[33m" + heading + "\033[0m : 'magic'\n" + blanks +
         "\n" + dashes + "\n";
}

// An anagram agrees everywhere: class 5 (primes after eng-ext and jewish), ++, and r because
// + itself is not set; ALW = KFW gives the red %.
const std::string kAnagramMarks =
    " {\033[33m++\033[0m,\033[34mr\033[0m,\033[32mrv\033[0m,\033[32msp\033[0m,\033[0moe\033[0m,"
    "\033[31mst\033[0m,\033[31mal\033[0m,\033[31mkf\033[0m,\033[31m%\033[0m}";
const std::string kGamic = "[\033[36mgamic\033[0m]" + kAnagramMarks;
const std::string kMagicCap = "[\033[36mMagic\033[0m]" + kAnagramMarks;
const std::string kBcfs =
    "\033[36mbcfs\033[0m {\033[33mpl?\033[0m,\033[32msp\033[0m,\033[31m%\033[0m}";

const std::string kGroups =
    banner("**31 matches**") + "[[SEARCHPHRASE:magic]]\n" + kGamic + "\n" +
    banner("**30 matches**") + kMagicCap + "\n" + banner("**7 matches**") + "[\033[33mo\033[0m]\n" +
    banner("**6 matches**") + kBcfs + "\n" + banner("**5 matches**") + "\033[36mmo\033[0m\n" +
    banner("**4 matches**") + "\033[35mlm\033[0m {\033[31m%\033[0m},  \033[35mgz\033[0m\n" +
    banner("**3 matches**") + "\033[35mr\033[0m {\033[34m%\033[0m}\n" + banner("**2 matches**") +
    "\033[31mlwhy(?)\033[0m\n" + banner("**All prime matches**") + "[[SEARCHPHRASE:magic]]\n" +
    kGamic + ",  " + kMagicCap + ",  \033[36mmo\033[0m,  " + kBcfs + "\n";

const std::string kReport =
    "The search phrase: 'magic'\n"
    "\n\n**31 matches**\n\n* gamic\n"
    "\n\n**30 matches**\n\n* *Magic*\n"
    "\n\n**7 matches**\n\n* o\n"
    "\n\n**6 matches**\n\n* bcfs\n"
    "\n\n**5 matches**\n\n* mo\n"
    "\n\n**4 matches**\n\n* lm\n* gz\n"
    "\n\n**3 matches**\n\n* r\n"
    "\n\n**2 matches**\n\n* lwhy\n"
    "\n\n**All prime matches**\n\n* gamic\n* *Magic*\n* mo\n* bcfs\n";

const char* const kReportPath = "spellbook/Results/match_magic.txt";
const char* const kTempPath = "spellbook/Results/temp_match.txt";

}  // namespace

TEST(Match, FirstRunWritesReportShowsGroupsAndArchives) {
  Scratch scratch;
  scratch.writeWordList(kWords);
  const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic", "ignored"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, kLoad + kStart + kLoop + kGroups + kDone + kFirstArchive);
  EXPECT_EQ(scratch.readFile(kReportPath), kReport);
  EXPECT_FALSE(scratch.exists(kTempPath));
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "magic\n");
}

TEST(Match, SecondRunWritesTempFileAndKeepsTheFirstReport) {
  Scratch scratch;
  scratch.writeWordList(kWords);
  ASSERT_EQ(runVeriglyph(scratch.path(), {"--match", "magic"}).status, 0);
  // A report the user kept (here marked so that any rewrite would show).
  scratch.writeFile(kReportPath, "earlier report\n");
  const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, kLoad + kStart + kExisting + kLoop + kGroups + kDone + kAgainArchive);
  EXPECT_EQ(scratch.readFile(kReportPath), "earlier report\n");
  EXPECT_EQ(scratch.readFile(kTempPath), kReport);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "magic\n");
}

TEST(Match, EmptyWordListWritesFrameOnly) {
  Scratch scratch;
  scratch.writeWordList({});
  const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, kLoad + kStart + kLoop + kDone + kFirstArchive);
  EXPECT_EQ(scratch.readFile(kReportPath), "The search phrase: 'magic'\n");
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "magic\n");
}

TEST(Match, MissingWordListFailsWithoutArchiving) {
  Scratch scratch;
  const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out,
            "Loading dictionary file "
            "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...\n"
            "ERROR - failed to open dictionary file."
            "ERROR: failed to load dictionary files for matching operation.\n");
  EXPECT_FALSE(scratch.exists(kReportPath));
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

TEST(Match, IncompleteReportIsAnErrorAndNotArchived) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  Scratch scratch;
  scratch.writeWordList(kWords);
  scratch.writeFile(kReportPath, "earlier report\n");
  std::filesystem::create_symlink("/dev/full", scratch.at(kTempPath));
  const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, kLoad + kStart + kExisting + kLoop + kGroups +
                         "ERROR: failed to write output file (spellbook/Results/temp_match.txt)\n"
                         "ERROR: problem running dictionary search.\n");
  EXPECT_EQ(scratch.readFile(kReportPath), "earlier report\n");
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}
