#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e/Scratch.h"

namespace {

// The whole help, kept as a file beside the tests so that any drift shows up.
const std::string kHelp = readExpected("help.txt");

struct HelpCase {
  std::vector<std::string> args;
  int status;
  std::string out;
};

class HelpForms : public testing::TestWithParam<HelpCase> {};

TEST_P(HelpForms, PrintsExactlyThisAndArchivesNothing) {
  Scratch scratch;
  const RunResult run = runVeriglyph(scratch.path(), GetParam().args);
  EXPECT_EQ(run.status, GetParam().status);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, GetParam().out);
  EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
}

INSTANTIATE_TEST_SUITE_P(Args, HelpForms,
                         testing::Values(HelpCase{{}, 0, kHelp}, HelpCase{{"--help"}, 0, kHelp},
                                         // The spell "--help" asked in the cypher "extra".
                                         HelpCase{{"--help", "extra"},
                                                  1,
                                                  "ERROR: invalid method (cypher) specified.\n"}));

}  // namespace
