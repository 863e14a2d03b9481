#include <gtest/gtest.h>

#include "e2e/Scratch.h"

TEST(Help, NoArgumentsPrintsHelp) {
  Scratch scratch;
  const RunResult run = runVeriglyph(scratch.path(), {});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.substr(0, 64), std::string(63, '-') + "\n");
}
