#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "e2e/Scratch.h"

namespace fs = std::filesystem;

namespace {

const char* const kTmp = "/tmp/veriglyph_temp_match.txt";

const std::string kLoad =
    "Loading dictionary file "
    "(spellbook/DictionaryFiles/12dicts-6.0.2/International/5d+2a.txt)...Done.\n";

std::string warning(const std::string& path) {
  return "WARNING: failed to open output file (" + path + "). Writing to temp file.\n";
}

std::string readTmp() {
  std::ifstream in(kTmp, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

// The fallback file is shared by every run on the machine, so each case starts and ends
// without it (removing a planted link, never what it points at).
class TmpFallback : public testing::Test {
 protected:
  static void clear() {
    std::error_code ignored;
    fs::remove_all(kTmp, ignored);
  }
  void SetUp() override { clear(); }
  void TearDown() override { clear(); }
};

void expectPrivateFileOfOurs() {
  struct stat info {};
  ASSERT_EQ(lstat(kTmp, &info), 0);
  EXPECT_TRUE(S_ISREG(info.st_mode));
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(info.st_uid, geteuid());
}

}  // namespace

// lm shares jewish 50 with magic (and so with ma/gic, whose "/" counts nothing): 4 points.
TEST_F(TmpFallback, UnwritableReportGoesToPrivateTmpFile) {
  const struct {
    const char* spell;
    bool removeResults;
    bool staleTmpFile;
    const char* reportPath;
  } cases[] = {
      {"magic", true, false, "spellbook/Results/match_magic.txt"},
      {"ma/gic", false, false, "spellbook/Results/match_ma/gic.txt"},
      {"magic", true, true, "spellbook/Results/match_magic.txt"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.spell) + (c.staleTmpFile ? " over a stale file" : ""));
    clear();
    if (c.staleTmpFile) {
      std::ofstream(kTmp) << std::string(500, 'x');
      chmod(kTmp, 0600);
    }
    Scratch scratch;
    scratch.writeWordList({"lm"});
    if (c.removeResults) scratch.remove("spellbook/Results");
    const std::string spell = c.spell;
    const RunResult run = runVeriglyph(scratch.path(), {"--match", spell});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string dashes(71, '-'), blanks(71, ' ');
    EXPECT_EQ(run.out, kLoad + "Performing dictionary match against <" + spell + ">\n" +
                           warning(c.reportPath) +
                           "Looping through dictionary...\n-----------------------------\n" +
                           dashes + "\n" + blanks + "\n     \033[33m**4 matches**\033[0m : '" +
                           spell + "'\n" + blanks + "\n" + dashes + "\n" +
                           "\033[35mlm\033[0m {\033[31m%\033[0m}\n" +
                           "-----------------------------\nDone.\n" + "Archiving <" + spell +
                           "> in user spellbook...\nWARNING - failed to open "
                           "spellbook/user_entries.txt in order to compare your spell against\n"
                           " ... previous entries\nDone\n");
    EXPECT_EQ(readTmp(), "The search phrase: '" + spell + "'\n\n\n**4 matches**\n\n* lm\n");
    expectPrivateFileOfOurs();
    EXPECT_EQ(scratch.readFile("spellbook/user_entries.txt"), spell + "\n");
  }
}

TEST_F(TmpFallback, UnsafeTmpFileIsRefused) {
  Scratch scratch;
  scratch.writeWordList({"lm"});
  scratch.remove("spellbook/Results");
  const std::string victim = scratch.at("victim.txt");
  const std::string missing = scratch.at("created-by-link.txt");
  const struct {
    const char* what;
    std::function<void()> plant;
    bool needsRoot;
  } cases[] = {
      {"link to a file", [&] { fs::create_symlink(victim, kTmp); }, false},
      {"link to nothing", [&] { fs::create_symlink(missing, kTmp); }, false},
      {"folder", [] { fs::create_directory(kTmp); }, false},
      {"file of another user",
       [] {
         std::ofstream(kTmp) << "theirs\n";
         chmod(kTmp, 0666);
         ASSERT_EQ(chown(kTmp, 65534, 65534), 0);
       },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.needsRoot && geteuid() != 0) continue;  // only root can hand a file to someone else
    clear();
    scratch.writeFile("victim.txt", "precious\n");
    c.plant();
    const RunResult run = runVeriglyph(scratch.path(), {"--match", "magic"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, kLoad + "Performing dictionary match against <magic>\n" +
                           warning("spellbook/Results/match_magic.txt") +
                           "ERROR: failed to open temporary output file "
                           "(/tmp/veriglyph_temp_match.txt).\n"
                           "ERROR: problem running dictionary search.\n");
    EXPECT_EQ(scratch.readFile("victim.txt"), "precious\n");
    EXPECT_FALSE(scratch.exists("created-by-link.txt"));
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
    if (c.needsRoot) {
      EXPECT_EQ(readTmp(), "theirs\n");
    }
  }
}

// A spell meets itself with every weight but KV and Bacon (no k, v or capital): 32.
TEST_F(TmpFallback, HtmlPageWithoutLetterFolderGoesToTmp) {
  for (const std::string spell : {"1st", "'tis"}) {
    SCOPED_TRACE(spell);
    clear();
    Scratch scratch;
    scratch.writeWordList({"ab", spell});
    const RunResult run = runVeriglyph(scratch.path(), {"--html"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::string path =
        "spellbook/ResultsHTML/" + spell.substr(0, 1) + "/match_" + spell + ".htm";
    EXPECT_NE(
        run.out.find("Dictionary Match for <" + spell + ">\nPerforming dictionary match against <" +
                     spell + ">\n" + warning(path) + "Looping through dictionary...\n"),
        std::string::npos);
    const auto page = [](const std::string& phrase, const std::string& score) {
      return "<html><head><title>" + phrase + " (matching spells)</title></head><body>\n" +
             "<h1>Spells matching: " + phrase + "</h1>\n<p>The search phrase: '<b>" + phrase +
             "</b>'</p>\n<br><h2>" + score + " matches</h2><br>\n<ul>\n</ul>\n" +
             "<br><h2>All prime matches</h2><br>\n<ul>\n</ul>\n</body></html>\n";
    };
    EXPECT_EQ(scratch.readFile("spellbook/ResultsHTML/a/match_ab.htm"), page("ab", "31"));
    EXPECT_EQ(readTmp(), page(spell, "32"));
    expectPrivateFileOfOurs();
    EXPECT_FALSE(scratch.exists("spellbook/user_entries.txt"));
  }
}
