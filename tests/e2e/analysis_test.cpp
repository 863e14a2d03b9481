#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

const std::string kClosing = "                      -- VERIGLYPH v3.14 by Corvin-T-Lasse\n";

// The long report of "Hello World": one coloured line per cypher, the Base 4
// line after the fourth, then the sum of all thirteen totals.
const std::string kHelloWorldLong =
    "\"Hello World\" in multiple systems:\n"
    "  ordinal:   124  (8+5+12+12+15+0+23+15+18+12+4)  [7]\n"
    "\033[36m  reduced:   52  (8+5+3+3+6+0+5+6+9+3+4)  [7]\033[0m\n"
    "\033[32m  reverse:   146  (19+22+15+15+12+0+4+12+9+15+23)  [2]\033[0m\n"
    "\033[36m  rev-red:   47  (1+4+6+6+3+0+4+3+9+6+5)  [2]\033[0m\n"
    "   ---- Base 4 total: 369 -----\n"
    "\033[33m  sumerian:  744  (48+30+72+72+90+0+138+90+108+72+24)  [6]\033[0m\n"
    "\033[33m  eng-ext:   817  (8+5+30+30+60+0+500+60+90+30+4)  [7]\033[0m\n"
    "\033[35m  agrippa:   1157  (8+5+20+20+50+0+900+50+80+20+4)  [5]\033[0m\n"
    "  old-eng:   116  (8+5+11+11+14+0+21+14+17+11+4)  [8]\n"
    "\033[31m  satanic:   474  (43+40+47+47+50+58+50+53+47+39)  [6]\033[0m\n"
    "\033[33m  primes:    386  (19+11+37+37+47+0+83+47+61+37+7)  [8]\033[0m\n"
    "\033[33m  trigonal:  982  (36+15+78+78+120+0+276+120+171+78+10)  [1]\033[0m\n"
    "\033[33m  squares:   1840  (64+25+144+144+225+0+529+225+324+144+16)  [4]\033[0m\n"
    "\033[32m  fibonacci: 786  (21+5+144+144+144+0+3+144+34+144+3)  [3]\033[0m\n"
    " --- Total (all visible ciphers): 7671 ---\n";

const std::string kHelloWorldShort =
    "\"Hello World\" in multiple systems:\n"
    "124/52/146rev/47revred/744sumer/817eng-ext/1157j/116/474st/386pri/982tri/1840sq/\n"
    "786fib/\n"
    " --- Total (all visible ciphers): 7671 ---\n";

const std::string kArchivedHelloWorld = "Archiving <Hello World> in user spellbook...Done\n";

struct ReportCase {
  std::vector<std::string> args;
  std::string expected;
};

class Report : public testing::TestWithParam<ReportCase> {};

TEST_P(Report, PrintsTheReportAndArchivesTheSpell) {
  Scratch scratch;
  scratch.writeFile("spellbook/user_entries.txt", "");
  const RunResult run = runVeriglyph(scratch.path(), GetParam().args);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, GetParam().expected);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), "Hello World\n");
}

INSTANTIATE_TEST_SUITE_P(
    Forms, Report,
    testing::Values(ReportCase{{"Hello World"}, kHelloWorldLong + kArchivedHelloWorld + kClosing},
                    ReportCase{{"--line", "Hello World"}, kHelloWorldShort + kArchivedHelloWorld},
                    // Whatever follows the operand of a switch is ignored.
                    ReportCase{{"--line", "Hello World", "extra", "details"},
                               kHelloWorldShort + kArchivedHelloWorld}));

// A switch given alone is no mode but a spell of its own.
struct LoneSwitch {
  std::string spell;
  std::string ordinalLine;
  int base4;
  int total;
};

class LoneSwitchAnalysis : public testing::TestWithParam<LoneSwitch> {};

TEST_P(LoneSwitchAnalysis, RunsTheOneWordAnalysisOfTheSwitchText) {
  const LoneSwitch& c = GetParam();
  Scratch scratch;
  scratch.writeFile("spellbook/user_entries.txt", "");
  const RunResult run = runVeriglyph(scratch.path(), {c.spell});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string head = "\"" + c.spell + "\" in multiple systems:\n" + c.ordinalLine + "\n";
  EXPECT_EQ(run.out.substr(0, head.size()), head);
  EXPECT_NE(run.out.find("\n   ---- Base 4 total: " + std::to_string(c.base4) + " -----\n\033[33m"),
            std::string::npos);
  const std::string tail = "\n --- Total (all visible ciphers): " + std::to_string(c.total) +
                           " ---\nArchiving <" + c.spell + "> in user spellbook...Done\n" +
                           kClosing;
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  // Header, 13 cyphers, Base 4, total, archiving, closing.
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 18);
  EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), c.spell + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Switches, LoneSwitchAnalysis,
    testing::Values(LoneSwitch{"--find", "  ordinal:   33  (0+0+6+9+14+4)  [6]", 153, 1558},
                    LoneSwitch{"--line", "  ordinal:   40  (0+0+12+9+14+5)  [4]", 153, 1998},
                    LoneSwitch{"--match", "  ordinal:   45  (0+0+13+1+20+3+8)  [9]", 180, 2502}));

}  // namespace
