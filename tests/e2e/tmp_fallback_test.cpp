#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "e2e/Scratch.h"

namespace {

const char* const kTmp = "/tmp/veriglyph_temp_match.txt";
const std::string kLoad =
    "Loading dictionary file "
    "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...Done.\n";

// How a match starts when its own result file cannot be opened.
std::string fallbackStart(const std::string& spell, const std::string& path) {
  return "Performing dictionary match against <" + spell +
         ">\nWARNING: failed to open output file (" + path + "). Writing to temp file.\n";
}

// The fallback file must be a plain file only we can read, holding content.
void expectPrivateTmpFile(const std::string& content) {
  struct stat info {};
  EXPECT_EQ(lstat(kTmp, &info), 0);
  EXPECT_EQ(info.st_mode & (S_IFMT | 0777), S_IFREG | 0600u);
  EXPECT_EQ(info.st_uid, geteuid());
  EXPECT_EQ(readFileBytes(kTmp), content);
}

// The fallback file is shared by every run on the machine, so each case starts and ends
// without it (removing a planted link, never what it points at).
void clearTmp() { unlink(kTmp), rmdir(kTmp); }
struct TmpFallback : testing::Test {
  void TearDown() override { clearTmp(); }
};

}  // namespace

// A link to a file, a link to nothing, a folder, and (only root can hand a file to someone
// else) a file of another user.
TEST_F(TmpFallback, UnsafeTmpFileIsRefused) {
  Scratch scratch;
  scratch.writeWordList({"lm"});
  scratch.remove("spellbook/Results");
  for (int plant = 0; plant < (geteuid() == 0 ? 4 : 3); ++plant) {
    SCOPED_TRACE(plant);
    clearTmp();
    scratch.writeFile("victim.txt", "precious\n");
    if (plant < 2) symlink(scratch.at(plant ? "created-by-link.txt" : "victim.txt").c_str(), kTmp);
    if (plant == 2) mkdir(kTmp, 0700);
    if (plant == 3) std::ofstream(kTmp) << "theirs\n";
    ASSERT_EQ(plant == 3 ? chmod(kTmp, 0666) | chown(kTmp, 65534, 65534) : 0, 0);
    const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kLoad + fallbackStart("magic", "spellbook/Results/match_magic.txt") +
                           "ERROR: failed to open temporary output file (" + kTmp +
                           ").\nERROR: problem running dictionary search.\n");
    EXPECT_EQ(scratch.readFile("victim.txt"), "precious\n");
    EXPECT_FALSE(scratch.exists("created-by-link.txt"));
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
    EXPECT_EQ(plant == 3 ? readFileBytes(kTmp) : "theirs\n", "theirs\n");
  }
}

// The HTML set gives the same console text, pages, temp_match.txt and /tmp fallback for any
// number of threads, also more threads than pages: with repeated entries, a page already there,
// an entry without a letter folder and one with HTML-special characters. The expected bytes are
// kept in fixtures/html-set-jobs/. The page that took the fallback fails the run. With standard
// output on /dev/null, where the console's rendering is not made, the files are the same.
TEST_F(TmpFallback, HtmlSetIsTheSameForAnyThreadCount) {
  const std::string fixtures = std::string(VERIGLYPH_E2E_DIR) + "/fixtures/html-set-jobs/";
  for (const std::string output : {"", "/dev/null"})
    for (const char* jobs : {"1", "2", "7", "16"}) {
      SCOPED_TRACE(std::string("VERIGLYPH_JOBS=") + jobs + " " + output);
      clearTmp();
      Scratch scratch;
      scratch.writeFile(kWordListRelative, readFileBytes(fixtures + "words.txt"));
      scratch.writeFile("spellbook/ResultsHTML/m/match_magic.htm", "an earlier page\n");
      RunOptions options;
      options.environment = {std::string("VERIGLYPH_JOBS=") + jobs};
      options.outputPath = output;
      const RunResult result = runVeriglyph(scratch.path(), {"--html"}, options);
      EXPECT_EQ(result.status, 1);
      EXPECT_EQ(result.err, "");
      if (output.empty()) {
        EXPECT_EQ(result.out, readFileBytes(fixtures + "stdout"));
      }
      for (const auto& file : std::filesystem::recursive_directory_iterator(fixtures + "left")) {
        const std::string path = std::filesystem::relative(file.path(), fixtures + "left");
        if (file.is_regular_file()) {
          EXPECT_EQ(scratch.readFile(path), readFileBytes(file.path())) << path;
        }
      }
      expectPrivateTmpFile(readFileBytes(fixtures + "tmp"));
    }
}
