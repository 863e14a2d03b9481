// Result files, whole reads and the table export: where a write could go
// astray or a failure could pass for success.
#include <fcntl.h>
#include <sys/stat.h>

#include <numeric>

#include "TestSupport.h"
#include "cyphers/CypherSet.h"
#include "export/TableExport.h"
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

// CSV quotes a field that holds a comma, a quote or a line end, doubling its
// quotes; TSV turns a TAB into a blank. A table that cannot be written whole
// is a failure.
TEST(TableExport, FieldsAndFailures) {
  WorkingFolder folder;
  folder.write("in.txt", "a,b\n\"q\"\ncr\r\n\tt\tx\n");
  const CypherSet cyphers;
  std::vector<size_t> columns(cyphers.all().size());
  std::iota(columns.begin(), columns.end(), 0);
  const auto exported = [&](TableFormat format, const char* out) {
    const UniqueFd input(open("in.txt", O_RDONLY));
    FILE* file = fopen(out, "w");
    const ExportEnd end = exportTable(input.get(), format, cyphers, columns, file);
    fclose(file);
    return end.kind;
  };
  ASSERT_EQ(exported(TableFormat::csv, "out.csv"), ExportEnd::Kind::done);
  ASSERT_EQ(exported(TableFormat::tsv, "out.tsv"), ExportEnd::Kind::done);
  const std::string csv = readFileText("out.csv"), tsv = readFileText("out.tsv");
  for (const char* row : {"\r\n\"a,b\",3,", "\r\n\"\"\"q\"\"\",", "\r\ncr,", "\r\n\tt\tx,"})
    EXPECT_NE(csv.find(row), std::string::npos) << row;
  for (const char* row : {"\na,b\t3\t", "\n\"q\"\t", "\ncr\t", "\n t x\t"})
    EXPECT_NE(tsv.find(row), std::string::npos) << row;
  EXPECT_EQ(exported(TableFormat::csv, "/dev/full"), ExportEnd::Kind::unwritable);
}

}  // namespace
