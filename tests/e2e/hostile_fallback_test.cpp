// Pages whose letter folder will not take them: read-only, or a link to
// somewhere else. They take the /tmp fallback as before, never leave the
// tree, and fail the set. These share the one fallback file in /tmp.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "e2e/Hostile.h"

namespace {

const char* const kTmp = "/tmp/veriglyph_temp_match.txt";

std::string warning(const std::string& word) {
  return "WARNING: failed to open output file (spellbook/ResultsHTML/" + word.substr(0, 1) +
         "/match_" + word + ".htm). Writing to temp file.\n";
}

// Keeps a folder from taking new files while it lives: read-only, and for
// root (whom permissions do not stop) immutable where the file system allows.
class Unwritable {
 public:
  explicit Unwritable(const std::string& folder) : folder(folder) {
    chmod(folder.c_str(), 0555);
    fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    if (geteuid() == 0 && fd >= 0 && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags |= FS_IMMUTABLE_FL;
      immutable = ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
  }
  ~Unwritable() {
    int flags = 0;
    if (immutable && ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0) {
      flags &= ~FS_IMMUTABLE_FL;
      ioctl(fd, FS_IOC_SETFLAGS, &flags);
    }
    if (fd >= 0) close(fd);
    chmod(folder.c_str(), 0755);
  }
  // Whether it keeps files out, as tried.
  bool holds() const {
    const std::string probe = folder + "/probe";
    const int file = open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (file < 0) return true;
    close(file);
    unlink(probe.c_str());
    return false;
  }

 private:
  std::string folder;
  int fd = -1;
  bool immutable = false;
};

struct HostileFallback : testing::Test {
  void SetUp() override { unlink(kTmp); }
  void TearDown() override { unlink(kTmp); }
};

// With one letter folder read-only, each of its pages goes to the one
// fallback file in /tmp, which ends up holding only the last: the set fails,
// its WARNING lines as before. The other pages are written.
TEST_F(HostileFallback, PagesTheirFolderRefusesFailTheSet) {
  Scratch scratch;
  scratch.writeWordList({"ab", "yes", "yet", "you", "ba"});
  const Unwritable readOnly(scratch.at("spellbook/ResultsHTML/y"));
  if (!readOnly.holds()) GTEST_SKIP() << "no way to make a folder read-only here";
  const RunResult result = runVeriglyph(scratch.path(), {"--html"});
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "");
  for (const char* word : {"yes", "yet", "you"}) {
    EXPECT_NE(result.out.find(warning(word)), std::string::npos) << word;
  }
  const auto pages = filesBelow(scratch, "spellbook/ResultsHTML");
  EXPECT_EQ(pages.size(), 2u);
  EXPECT_TRUE(pages.count("a/match_ab.htm") && pages.count("b/match_ba.htm"));
  EXPECT_NE(readFileBytes(kTmp).find("<title>you (matching spells)</title>"), std::string::npos);
}

// ResultsHTML/y a link to a folder elsewhere: the link counts as no folder,
// so no page lands outside the tree. The set fails; --html WORD takes the
// fallback as a single match always has.
TEST_F(HostileFallback, ALinkedLetterFolderIsNotFollowed) {
  for (bool set : {true, false}) {
    SCOPED_TRACE(set ? "--html" : "--html yes");
    unlink(kTmp);
    Scratch scratch;
    scratch.writeWordList({"ab", "yes"});
    scratch.writeFile("elsewhere/.keep", "");
    scratch.remove("spellbook/ResultsHTML/y");
    ASSERT_EQ(symlink("../../elsewhere", scratch.at("spellbook/ResultsHTML/y").c_str()), 0);
    const std::vector<std::string> args =
        set ? std::vector<std::string>{"--html"} : std::vector<std::string>{"--html", "yes"};
    const RunResult result = runVeriglyph(scratch.path(), args);
    EXPECT_EQ(result.status, set ? 1 : 0);
    EXPECT_NE(result.out.find(warning("yes")), std::string::npos) << result.out;
    EXPECT_TRUE(filesBelow(scratch, "elsewhere").empty());
    EXPECT_NE(readFileBytes(kTmp).find("<title>yes (matching spells)</title>"), std::string::npos);
  }
}

}  // namespace
