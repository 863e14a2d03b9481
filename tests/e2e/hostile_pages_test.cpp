// Pages and reports under interruption, concurrency and too little memory:
// whatever happens, a page is whole or absent and the set comes out the same.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <set>
#include <thread>

#include "e2e/Hostile.h"

namespace {

// veriglyph --html & sleep 0.1; kill -KILL $! (and SIGTERM, SIGINT, a reader
// that goes away): an interrupted set leaves only whole pages. A signal the
// run can catch also removes its temporary files, clears the progress line,
// and ends the run by that signal.
TEST(HostilePages, AnInterruptedSetLeavesOnlyWholePages) {
  const std::vector<std::string> words = shippedWords(10);  // seconds of pages
  for (int signal : {SIGKILL, SIGTERM, SIGINT, SIGPIPE}) {
    SCOPED_TRACE(strsignal(signal));
    Scratch scratch;
    scratch.writeWordList(words);
    RunOptions options;
    options.environment = {"VERIGLYPH_JOBS=4"};
    options.errorsToTerminal = true;
    if (signal == SIGPIPE) {
      options.interruptAfter = "Dictionary Match for <";  // then standard output is closed
    } else {
      options.interruptAfter = "\rveriglyph: ";  // the progress line is drawn
      options.interruptWith = signal;
    }
    const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
    EXPECT_EQ(result.signal, signal);
    const auto pages = filesBelow(scratch, "spellbook/ResultsHTML");
    EXPECT_LT(pages.size(), words.size());
    for (const auto& [path, page] : pages) {
      EXPECT_TRUE(wholePage(page)) << path;
      if (signal != SIGKILL) {
        EXPECT_EQ(path.find("/match_"), 1u) << path;
      }
    }
    EXPECT_TRUE(filesBelow(scratch, "spellbook/Results").empty());
    if (signal == SIGTERM || signal == SIGINT) {
      // The last line drawn, then as many blanks over it.
      const size_t last = result.err.rfind("\rveriglyph: ");
      ASSERT_NE(last, std::string::npos) << result.err;
      const size_t end = result.err.find('\r', last + 1);
      ASSERT_NE(end, std::string::npos) << result.err;
      EXPECT_EQ(result.err.substr(end), "\r" + std::string(end - last - 1, ' ') + "\r");
    }
  }
}

// Fifty --match runs of different words whose reports exist, all at once:
// each detour replaces temp_match.txt whole, so it holds one report, never a
// report and the tail of a longer one; no temporary file is left. (With
// reports of this size, runs that overwrote the file in place tore it in
// most rounds.)
TEST(HostilePages, ConcurrentDetoursLeaveOneWholeReport) {
  const std::vector<std::string> words = shippedWords(2);
  std::vector<std::string> spells;
  for (size_t i = 0; spells.size() < 50; i += 350) spells.push_back(words.at(i));
  Scratch scratch;
  scratch.writeWordList(words);
  const auto matchAll = [&] {
    std::vector<std::thread> runs;
    for (const std::string& spell : spells) {
      runs.emplace_back([&scratch, &spell] {
        EXPECT_EQ(runVeriglyph(scratch.path(), {"--match", spell}).status, 0);
      });
    }
    for (std::thread& run : runs) run.join();
  };
  matchAll();  // each report in its own file
  std::set<std::string> reports, names = {"temp_match.txt"};
  for (const std::string& spell : spells) {
    reports.insert(scratch.readFile("spellbook/Results/match_" + spell + ".txt"));
    names.insert("match_" + spell + ".txt");
  }
  ASSERT_EQ(reports.size(), spells.size());
  for (int round = 0; round < 4; ++round) {
    SCOPED_TRACE(round);
    matchAll();  // every report detours
    EXPECT_EQ(reports.count(scratch.readFile("spellbook/Results/temp_match.txt")), 1u);
    std::set<std::string> left;
    for (const auto& [path, content] : filesBelow(scratch, "spellbook/Results")) left.insert(path);
    EXPECT_TRUE(left == names);
  }
}

// (ulimit -v 200000; VERIGLYPH_JOBS=16 veriglyph --html): threads that cannot
// be started, or that run out of memory, leave their pages to the others, down
// to the calling thread alone; console and pages are those of one thread.
TEST(HostilePages, TooLittleMemoryForTheThreadsGivesTheSameSet) {
  if (!kMemoryLimitsApply) GTEST_SKIP() << "a sanitized program cannot run in so little memory";
  const std::vector<std::string> words = shippedWords(40);
  Scratch reference;
  reference.writeWordList(words);
  RunOptions one;
  one.environment = {"VERIGLYPH_JOBS=1"};
  const RunResult expected = runVeriglyph(reference.path(), {"--html"}, one);
  ASSERT_EQ(expected.status, 0);
  const auto pages = filesBelow(reference, "spellbook/ResultsHTML");
  for (long long kib : {200000, 12000}) {
    SCOPED_TRACE(kib);
    Scratch scratch;
    scratch.writeWordList(words);
    RunOptions options;
    options.environment = {"VERIGLYPH_JOBS=16"};
    options.memoryLimit = kib << 10;
    const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    EXPECT_TRUE(result.out == expected.out);
    EXPECT_TRUE(filesBelow(scratch, "spellbook/ResultsHTML") == pages);
  }
}

}  // namespace
