#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

const std::string kInvalidMethod = "ERROR: invalid method (cypher) specified.\n";

std::string header(const std::string& spell, const std::string& name) {
  return "\"" + spell + "\" in " + name + ":  ";
}

std::string archived(const std::string& spell) {
  return "Archiving <" + spell + "> in user spellbook...Done\n";
}

// Runs in a scratch folder whose user spellbook exists and is empty.
struct QueryRun {
  Scratch scratch;
  RunResult run;
  explicit QueryRun(const std::vector<std::string>& args, const std::string& detailsFile = "") {
    scratch.writeFile("spellbook/user_entries.txt", "");
    if (!detailsFile.empty()) scratch.writeFile("input/123/124.txt", detailsFile);
    run = runVeriglyph(scratch.path(), args);
  }
  std::string spellbook() const { return scratch.readFile("spellbook/user_entries.txt"); }
};

struct QueryCase {
  std::string spell, tag, name, line;
};

class SingleCypher : public testing::TestWithParam<QueryCase> {};

TEST_P(SingleCypher, PrintsHeaderLongLineAndArchives) {
  const QueryCase& c = GetParam();
  QueryRun q({c.spell, c.tag});
  EXPECT_EQ(q.run.status, 0);
  EXPECT_EQ(q.run.err, "");
  EXPECT_EQ(q.run.out, header(c.spell, c.name) + c.line + "\n" + archived(c.spell));
  EXPECT_EQ(q.spellbook(), c.spell + "\n");
}

const std::string kHW = "Hello World";

// A spread of cyphers and of the tags that reach them.
INSTANTIATE_TEST_SUITE_P(
    Tags, SingleCypher,
    testing::Values(
        QueryCase{kHW, "alphabetic", "English Ordinal",
                  "  ordinal:   124  (8+5+12+12+15+0+23+15+18+12+4)  [7]"},
        QueryCase{kHW, "rev-red", "English Reverse-Reduced",
                  "\033[36m  rev-red:   47  (1+4+6+6+3+0+4+3+9+6+5)  [2]\033[0m"},
        QueryCase{kHW, "englishextended", "English-Extended",
                  "\033[33m  eng-ext:   817  (8+5+30+30+60+0+500+60+90+30+4)  [7]\033[0m"},
        QueryCase{kHW, "latin", "Jewish",
                  "\033[35m  agrippa:   1157  (8+5+20+20+50+0+900+50+80+20+4)  [5]\033[0m"},
        QueryCase{kHW, "jewish-reduction", "Jewish Reduced",
                  "\033[35m  jew-red:   50  (8+5+2+2+5+0+9+5+8+2+4)  [5]\033[0m"},
        QueryCase{kHW, "old-english", "Old English",
                  "  old-eng:   116  (8+5+11+11+14+0+21+14+17+11+4)  [8]"},
        QueryCase{kHW, "s", "S-exception",
                  "\033[31m  s-except:  52  (8+5+3+3+6+0+5+6+9+3+4)  [7]\033[0m"},
        QueryCase{kHW, "kv-exception", "K/V Exception",
                  "\033[35m  kv-except: 52  (8+5+3+3+6+0+5+6+9+3+4)  [7]\033[0m"},
        QueryCase{kHW, "ro", "English Reverse Ordinal",
                  "\033[32m  reverse:   146  (19+22+15+15+12+0+4+12+9+15+23)  [2]\033[0m"},
        QueryCase{kHW, "francisbacon", "Francis Bacon",
                  "\033[35m  bacon:     176  (34+5+12+12+15+0+49+15+18+12+4)  [5]\033[0m"},
        QueryCase{kHW, "bcns", "Franc Baconis",
                  "\033[35m  baconis:   246  (15+10+24+24+30+0+45+30+36+24+8)  [3]\033[0m"},
        QueryCase{kHW, "alw-qabalah", "ALW",
                  "\033[31m  alw:       70  (4+25+2+2+7+0+3+7+12+2+6)  [7]\033[0m"},
        QueryCase{kHW, "kfw", "KFW",
                  "\033[31m  kfw:       126  (12+17+18+18+15+0+3+15+4+18+6)  [9]\033[0m"},
        QueryCase{kHW, "spt", "Septenary",
                  "\033[32m  septenary: 34  (6+5+2+2+2+0+4+2+5+2+4)  [7]\033[0m"},
        QueryCase{kHW, "fibsym", "Fibonacci",
                  "\033[32m  fibonacci: 786  (21+5+144+144+144+0+3+144+34+144+3)  [3]\033[0m"},
        // One capital is enough for Bacon; Baconis never asks for one.
        QueryCase{"Hello", "bacon", "Francis Bacon",
                  "\033[35m  bacon:     78  (34+5+12+12+15)  [6]\033[0m"},
        QueryCase{"hello", "baconis", "Franc Baconis",
                  "\033[35m  baconis:   104  (16+10+24+24+30)  [5]\033[0m"}));

struct Refusal {
  std::vector<std::string> args;
  std::string out;
};

class Refused : public testing::TestWithParam<Refusal> {};

TEST_P(Refused, FailsAndArchivesNothing) {
  QueryRun q(GetParam().args, "never shown\n");
  EXPECT_EQ(q.run.status, 1);
  EXPECT_EQ(q.run.err, "");
  EXPECT_EQ(q.run.out, GetParam().out);
  EXPECT_EQ(q.spellbook(), "");
}

const std::string kNoCapitals =
    "\nERROR - no capital letters provided, required for Bacon cypher.\n";

INSTANTIATE_TEST_SUITE_P(
    Queries, Refused,
    testing::Values(
        // Tags are case-sensitive, and the help lists aliases that no cypher takes.
        Refusal{{"Hello", "Ordinal"}, kInvalidMethod},
        Refusal{{"Hello", "latin-agrippa"}, kInvalidMethod},
        Refusal{{"Hello", "alva"}, kInvalidMethod},
        Refusal{{"Hello", "agrippa-reduced"}, kInvalidMethod},
        Refusal{{"Hello", "jewish-red", "details"}, kInvalidMethod},
        Refusal{{"Hello", ""}, kInvalidMethod},
        // Bacon needs a capital letter; the header is already out when it says so.
        Refusal{{"hello", "bacon"}, header("hello", "Francis Bacon") + kNoCapitals},
        Refusal{{"hello world!", "fb"}, header("hello world!", "Francis Bacon") + kNoCapitals},
        Refusal{{"hello", "bcn", "details"}, header("hello", "Francis Bacon") + kNoCapitals}));

struct DetailsCase {
  std::vector<std::string> args;
  std::string file;  // empty: no details file
  std::string afterLine;
};

class Details : public testing::TestWithParam<DetailsCase> {};

TEST_P(Details, ShowsTheFileOfTheTotalOrItsError) {
  const DetailsCase& c = GetParam();
  QueryRun q(c.args, c.file);
  EXPECT_EQ(q.run.status, 0);
  EXPECT_EQ(q.run.err, "");
  EXPECT_EQ(q.run.out, header(kHW, "English Ordinal") +
                           "  ordinal:   124  (8+5+12+12+15+0+23+15+18+12+4)  [7]\n" + c.afterLine +
                           archived(kHW));
  EXPECT_EQ(q.spellbook(), kHW + "\n");
}

const std::string kTwoLines = "first line\nsecond line\n";

INSTANTIATE_TEST_SUITE_P(
    Files, Details,
    testing::Values(
        DetailsCase{{kHW, "ord", "details"}, kTwoLines, "\n" + kTwoLines + "[END-of-FILE].\n\n"},
        DetailsCase{
            {kHW, "ord", "details", "extra"}, kTwoLines, "\n" + kTwoLines + "[END-of-FILE].\n\n"},
        DetailsCase{
            {kHW, "ord", "details"}, "", "\nERROR - failed to open file <input/123/124.txt>\n"},
        // Only the exact word "details" asks for the file.
        DetailsCase{{kHW, "ord", "Details"}, kTwoLines, ""},
        DetailsCase{{kHW, "ord", "detail"}, kTwoLines, ""}));

}  // namespace
