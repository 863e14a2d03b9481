// The progress line of the HTML set: on standard error when that is a terminal and standard
// output is not; nowhere else.
#include <gtest/gtest.h>

#include "e2e/Scratch.h"

namespace {

TEST(HtmlSetProgress, ShownOnATerminalOnlyAndCleared) {
  for (bool terminal : {true, false}) {
    SCOPED_TRACE(terminal ? "standard error a terminal" : "standard error a pipe");
    Scratch scratch;
    scratch.writeWordList({"ab", "ba", "Ab"});
    RunOptions options;
    options.errorsToTerminal = terminal;
    const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
    EXPECT_EQ(result.status, 0);
    if (!terminal) {
      EXPECT_EQ(result.err, "");
      continue;
    }
    // The last line drawn tells all three pages done; then blanks clear it.
    const size_t last = result.err.rfind("\rveriglyph: 3 of 3 pages, ");
    ASSERT_NE(last, std::string::npos) << result.err;
    const size_t end = result.err.find('\r', last + 1);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(result.err.substr(end), "\r" + std::string(end - last - 1, ' ') + "\r");
    EXPECT_EQ(result.out.find("veriglyph: "), std::string::npos);  // nothing on stdout
  }
}

}  // namespace
