// Result files and whole reads: where a write could go astray or a failure
// could pass for success. (The table export's fields and failures are the
// export-* cases' and AnUnwritableStandardOutputFailsTheRun's.)
#include <fcntl.h>
#include <sys/stat.h>

#include "TestSupport.h"
#include "io/Fd.h"
#include "io/ResultFile.h"
#include "text/Digits.h"

namespace {

// How each kind of result file meets what is already at its path.
TEST(ResultFile, CreatesOverwritesAndRefuses) {
  using Mode = ResultFile::Mode;
  // clang-format off
  const struct { const char* path; Mode mode; int error; } cases[] = {
      {"new.txt", Mode::createNew, 0}, {"file.txt", Mode::createNew, EEXIST},
      {"link.txt", Mode::createNew, EEXIST}, {"dangling.txt", Mode::createNew, EEXIST},
      {"file.txt", Mode::overwrite, 0}, {"link.txt", Mode::overwrite, ELOOP},
      {"dangling.txt", Mode::overwrite, ELOOP}, {"folder", Mode::overwrite, EISDIR},
      {"link.txt", Mode::privateFile, ELOOP}, {"folder", Mode::privateFile, EISDIR}};
  // clang-format on
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    WorkingFolder folder;
    folder.write("file.txt", "old");
    folder.write("victim.txt", "victim");
    folder.write("folder/x", "");
    symlink("victim.txt", "link.txt");
    symlink("nowhere.txt", "dangling.txt");
    ResultFile file(c.path, c.mode);
    EXPECT_EQ(file.openError(), c.error);
    file.write("new");
    EXPECT_EQ(file.close(), c.error == 0);
    EXPECT_EQ(readFileText("victim.txt"), "victim");
    if (c.error == 0) {
      EXPECT_EQ(readFileText(c.path), "new");
    }
  }
  const ResultFile sideways(".", "a/b.txt", ResultFile::Mode::overwrite);
  EXPECT_EQ(sideways.openError(), ENOENT);  // a name never leads into another folder
  ResultFile full("/dev/full", ResultFile::Mode::overwrite);
  full.write("x");
  EXPECT_FALSE(full.close());  // a write that failed is no result
}

// A console in memory takes formatted text of any length whole.
TEST(Console, FormatsIntoText) {
  const std::string long300(300, 'x');
  EXPECT_EQ(consoleText([&](Console& c) { c.format("<%s|%d>", long300.c_str(), 7); }),
            "<" + long300 + "|7>");
}

// Each number of a table row is written after its separator, at every length.
TEST(Digits, WriteEveryLength) {
  const Digits digits(',');
  for (uint32_t n : {0u, 7u, 9u, 10u, 99u, 100u, 999u, 1000u, 1001u, 1010u, 10000u, 99999u, 100000u,
                     999999u, 1000000u, 123456789u, 4294967295u}) {
    char at[32];
    EXPECT_EQ(std::string(at, digits.put(at, n)), "," + std::to_string(n));
  }
}

TEST(Fd, ReadsToTheEndWithinALimit) {
  WorkingFolder folder;
  folder.write("ten.txt", "0123456789");
  for (size_t limit : {10u, 9u}) {
    const UniqueFd file(open("ten.txt", O_RDONLY));
    std::string text = "x";
    errno = 0;
    EXPECT_EQ(fd::readToEnd(file.get(), text, limit + 1), limit == 10);
    EXPECT_EQ(errno, limit == 10 ? 0 : EFBIG);
  }
  const UniqueFd full(open("/dev/full", O_WRONLY | O_CLOEXEC));
  EXPECT_FALSE(fd::writeAll(full.get(), "x"));
}

}  // namespace
