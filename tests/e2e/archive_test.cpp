#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

const char* const kBook = "spellbook/user_entries.txt";
const std::string kClosing = "                      -- VERIGLYPH v3.14 by Corvin-T-Lasse\n";
const std::string kCompareWarning =
    "\nWARNING - failed to open spellbook/user_entries.txt in order to compare your spell "
    "against\n ... previous entries\n";
const std::string kAppendError =
    "\nERROR - failed to open spellbook/user_entries.txt in order to save your spell for future "
    "comparisons\n";
const std::string kLineBreak =
    "WARNING - spell not archived in the user spellbook: it holds a line break.\n";

std::string archiving(const std::string& spell) {
  return "Archiving <" + spell + "> in user spellbook...";
}

// Runs the one-word analysis and returns what it printed between the report's
// total line and the closing line, i.e. the archiving outcome.
std::string analyseAndArchive(const Scratch& scratch, const std::string& spell) {
  const RunResult run = runVeriglyph(scratch.path(), {spell});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.rfind("\"" + spell + "\" in multiple systems:\n", 0), 0u);
  const size_t total = run.out.find(" ---\n", run.out.find("\n --- Total (all visible ciphers): "));
  const size_t end = run.out.rfind(kClosing);
  if (total == std::string::npos || end == std::string::npos || end < total + 5) return run.out;
  EXPECT_EQ(end + kClosing.size(), run.out.size());
  return run.out.substr(total + 5, end - total - 5);
}

enum class Book { Holds, NoFile, NoFolder };

struct ArchiveCase {
  std::string label;
  Book book;
  std::string before;  // the user spellbook's content when Book::Holds
  std::string spell;
  std::string message;
  std::string after;  // the user spellbook's content afterwards
};

class Archive : public testing::TestWithParam<ArchiveCase> {};

TEST_P(Archive, AppendsOnlyWhatIsNotStoredYet) {
  const ArchiveCase& c = GetParam();
  Scratch scratch;
  if (c.book == Book::Holds) scratch.writeFile(kBook, c.before);
  if (c.book == Book::NoFolder) scratch.remove("spellbook");
  EXPECT_EQ(analyseAndArchive(scratch, c.spell), c.message);
  if (c.book == Book::NoFolder) {
    EXPECT_FALSE(scratch.exists("spellbook"));  // the program never creates a folder
  } else {
    EXPECT_EQ(scratch.readFile(kBook), c.after);
  }
}

const std::string kExists = "...already exists, no need to add it.\n";

INSTANTIATE_TEST_SUITE_P(
    Books, Archive,
    testing::Values(
        ArchiveCase{"Stored", Book::Holds, "Alpha\nHello\nBeta\n", "Hello",
                    archiving("Hello") + kExists, "Alpha\nHello\nBeta\n"},
        ArchiveCase{"OtherCase", Book::Holds, "hello\n", "Hello", archiving("Hello") + "Done\n",
                    "hello\nHello\n"},
        ArchiveCase{"LongerLine", Book::Holds, "Hello World\n", "Hello",
                    archiving("Hello") + "Done\n", "Hello World\nHello\n"},
        ArchiveCase{"CrLfNeverEqual", Book::Holds, "Hello\r\n", "Hello",
                    archiving("Hello") + "Done\n", "Hello\r\nHello\n"},
        ArchiveCase{"NoFile", Book::NoFile, "", "Hello",
                    archiving("Hello") + kCompareWarning + "Done\n", "Hello\n"},
        ArchiveCase{"NoFolder", Book::NoFolder, "", "Hello",
                    archiving("Hello") + kCompareWarning + kAppendError, ""},
        // A hand-edited last line without its line end is ended first, so the
        // new spell stays a line of its own.
        ArchiveCase{"UnendedLastLine", Book::Holds, "Alpha\nBeta", "Gamma",
                    archiving("Gamma") + "Done\n", "Alpha\nBeta\nGamma\n"},
        // A spell that would split into two lines is not stored at all.
        ArchiveCase{"LineFeed", Book::Holds, "Alpha\n", "Two\nLines", kLineBreak, "Alpha\n"},
        ArchiveCase{"CarriageReturn", Book::Holds, "Alpha\n", "Cr\rHere", kLineBreak, "Alpha\n"}),
    [](const testing::TestParamInfo<ArchiveCase>& info) { return info.param.label; });

TEST(ArchiveTwice, SecondRunFindsTheSpellAlreadyStored) {
  Scratch scratch;
  scratch.writeFile(kBook, "");
  EXPECT_EQ(analyseAndArchive(scratch, "Hello World"), archiving("Hello World") + "Done\n");
  EXPECT_EQ(analyseAndArchive(scratch, "Hello World"), archiving("Hello World") + kExists);
  EXPECT_EQ(scratch.readFile(kBook), "Hello World\n");
}

}  // namespace
