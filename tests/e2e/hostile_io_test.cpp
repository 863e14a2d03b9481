// The run's own descriptors and limits turned against it: closed standard
// descriptors, an output that cannot be written, a file-size limit, input
// that never ends a line, too little memory, and special files where files
// belong.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <thread>

#include "DataTable.h"
#include "e2e/Hostile.h"

namespace {

const std::string kLoading =
    "Loading dictionary file "
    "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...";

// VERIGLYPH_JOBS=4 veriglyph --html >&-: a closed descriptor is reopened on
// /dev/null, so no page takes descriptor 1 and receives console text.
TEST(HostileDescriptors, ClosedStandardDescriptorsLeaveThePagesClean) {
  const std::vector<std::string> words = shippedWords(500);
  Scratch reference;
  reference.writeWordList(words);
  ASSERT_EQ(runVeriglyph(reference.path(), {"--html"}).status, 0);
  const auto pages = filesBelow(reference, "spellbook/ResultsHTML");
  ASSERT_EQ(pages.size(), words.size());
  for (const std::vector<int>& closed : {std::vector<int>{1}, {1, 2}, {0, 1, 2}}) {
    SCOPED_TRACE(closed.size());
    Scratch scratch;
    scratch.writeWordList(words);
    RunOptions options;
    options.environment = {"VERIGLYPH_JOBS=4"};
    options.closedDescriptors = closed;
    const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out + result.err, "");
    EXPECT_TRUE(filesBelow(scratch, "spellbook/ResultsHTML") == pages);
  }
}

// Standard output that cannot be written fails every mode, as it does the
// data modes: a full device, or a closed pipe whose SIGPIPE was ignored.
TEST(HostileDescriptors, AnUnwritableStandardOutputFailsTheRun) {
  Scratch scratch;
  scratch.writeWordList(shippedWords(500));
  const std::vector<std::vector<std::string>> runs = {
      {"--help"}, {"--line", "magic"}, {"--find", "7ord"}, {"--match", "magic"}, {"--csv", "-"}};
  for (const auto& args : runs) {
    SCOPED_TRACE(args[0]);
    RunOptions options;
    options.outputPath = "/dev/full";
    options.standardInput = "magic\n";
    const RunResult result = runVeriglyph(scratch.path(), args, options);
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "ERROR: failed to write standard output\n");
  }
  // The pipe's reader goes once the first page is shown; every page is still
  // written.
  Scratch piped;
  piped.writeWordList(shippedWords(500));
  RunOptions options;
  options.ignoredSignals = {SIGPIPE};
  options.interruptAfter = "Dictionary Match for <";
  const RunResult result = runVeriglyph(piped.path(), {"--html"}, options);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ERROR: failed to write standard output\n");
  for (const auto& [path, page] : filesBelow(piped, "spellbook/ResultsHTML")) {
    EXPECT_TRUE(wholePage(page)) << path;
  }
  EXPECT_EQ(filesBelow(piped, "spellbook/ResultsHTML").size(), shippedWords(500).size());
}

// (ulimit -f N; veriglyph ...): a write past the limit fails with EFBIG and is
// told like any failed write; SIGXFSZ never kills the run. A page appears whole
// or not at all: the set writes the small pages, not the others. A table on
// standard output goes as far as it can. (The single reports, results and the
// spellbook under a limit are the fsize-* case folders.)
TEST(HostileLimits, AFileSizeLimitFailsWritesWithoutKillingTheRun) {
  Scratch scratch;
  const std::vector<std::string> words = shippedWords(500);
  scratch.writeWordList(words);
  RunOptions options;
  options.fileSizeLimit = 1024;
  RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.out.find("ERROR: failed to write output file (spellbook/ResultsHTML/"),
            std::string::npos);
  const auto pages = filesBelow(scratch, "spellbook/ResultsHTML");
  for (const auto& [path, page] : pages) EXPECT_TRUE(wholePage(page)) << path;
  EXPECT_GT(pages.size(), 10u);
  EXPECT_LT(pages.size(), words.size());
  EXPECT_TRUE(filesBelow(scratch, "spellbook/Results").empty());
  options.fileSizeLimit = 4096;
  options.outputPath = scratch.at("table.csv");
  result = runVeriglyph(scratch.path(), {"--csv", kWordListRelative}, options);
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ERROR: failed to write standard output\n");
  EXPECT_EQ(scratch.readFile("table.csv").size(), 4096u);
}

// veriglyph --table - < /dev/zero: a NUL ends a line's text and the rest is
// skipped unstored, up to 16 MiB a line; then the run ends with an error, its
// memory flat. A file's long line is named by its number.
TEST(HostileLimits, ALineThatNeverEndsIsAnError) {
  Scratch scratch;
  const std::string longLine(size_t{17} << 20, 'a');
  scratch.writeFile("long.txt", "ab\ncd\n" + longLine + "\nef\n");
  RunOptions zero;
  zero.inputPath = "/dev/zero";
  if (kMemoryLimitsApply) zero.memoryLimit = 100ll << 20;
  RunResult result = runVeriglyph(scratch.path(), {"--table", "-"}, zero);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "ERROR: line 1 of standard input is longer than 16 MiB\n");
  result = runVeriglyph(scratch.path(), {"--csv", "long.txt"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ERROR: line 3 of input file (long.txt) is longer than 16 MiB\n");
}

// Memory that runs out anywhere is an error, not an abort: the page set keeps
// the whole list, and three million entries do not fit in 64 MiB.
TEST(HostileLimits, OutOfMemoryIsAnError) {
  if (!kMemoryLimitsApply) GTEST_SKIP() << "a sanitized program cannot run in 64 MiB";
  Scratch scratch;
  std::string list;
  for (int i = 0; i < 3000000; ++i) list += "ab\n";
  scratch.writeFile(kWordListRelative, list);
  RunOptions options;
  options.memoryLimit = 64ll << 20;
  const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
  EXPECT_EQ(result.signal, 0);
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "ERROR: out of memory\n");
  EXPECT_EQ(result.out, kLoading);
}

// A word list, spellbook or details file that is a FIFO or a device is
// treated like one that cannot be opened: every mode ends at once, as it does
// with a folder at the path. --table still reads a FIFO, a stream being its
// purpose.
TEST(HostileSpecialFiles, AreTreatedLikeMissingFiles) {
  for (const Row& c : dataRows("special-files.tsv")) {  // the file, and a run (args split by |)
    const std::string& path = c[0];
    const std::vector<std::string> args = split(c[1], '|');
    for (const char* kind : {"fifo", "/dev/zero"}) {
      SCOPED_TRACE(path + " is " + kind + ", " + c[1]);
      Scratch folder, special;
      for (Scratch* scratch : {&folder, &special}) {
        if (path != kWordListRelative) scratch->writeWordList({"magic", "gamic"});
        scratch->writeFile(path + "/.keep", "");
      }
      special.remove(path);
      if (kind == std::string("fifo")) {
        ASSERT_EQ(mkfifo(special.at(path).c_str(), 0600), 0);
      } else {
        ASSERT_EQ(symlink(kind, special.at(path).c_str()), 0);
      }
      RunOptions options;
      if (kMemoryLimitsApply) options.memoryLimit = 200ll << 20;
      const RunResult expected = runVeriglyph(folder.path(), args, options);
      const RunResult result = runVeriglyph(special.path(), args, options);
      EXPECT_FALSE(result.hung);
      EXPECT_EQ(result.status, expected.status);
      EXPECT_EQ(result.out, expected.out);
      EXPECT_EQ(result.err, "");
    }
  }
}

TEST(HostileSpecialFiles, TheTableReadsAFifo) {
  Scratch scratch;
  const std::string fifo = scratch.at("words");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  // Its writing end closed on exec: a run that inherited it would wait for
  // its own end of input.
  const auto feed = [&fifo] {
    const int end = open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    EXPECT_EQ(write(end, "ab\ncd\n", 6), 6);
    close(end);
  };
  std::thread writer(feed);
  const RunResult fromPath = runVeriglyph(scratch.path(), {"--table", "words"});
  writer.join();
  RunOptions options;
  options.inputPath = fifo;
  std::thread again(feed);
  const RunResult fromInput = runVeriglyph(scratch.path(), {"--table", "-"}, options);
  again.join();
  for (const RunResult* result : {&fromPath, &fromInput}) {
    EXPECT_EQ(result->status, 0);
    EXPECT_NE(result->out.find("\nab\t"), std::string::npos) << result->out;
    EXPECT_NE(result->out.find("\ncd\t"), std::string::npos);
  }
}

}  // namespace
