// Runs every case folder under tests/e2e/cases/ through the built binary.
//
// A case folder holds:
//   args      the arguments, one per line; "\n", "\r", "\t", "\\" and "\xHH"
//             stand for the bytes they name, as in tests/data/ (an empty
//             file: no arguments)
//   status    the exit status (0 when absent)
//   stdout    the exact standard output
//   after     optional: the name of a case whose finished folder this one
//             starts from (a second run, say)
//   given/    copied into the scratch folder before the run (links kept)
//   wordlist  optional: the name of a shared word list in tests/e2e/fixtures/
//   remove    optional: paths to delete from the scratch folder, one per line
//   expect/   files the run must leave, each with exactly this content
//   fsize     optional: the largest file the run may write, in bytes (a full disk)
//   stdin     optional: what the run reads on standard input (else nothing)
//   stderr    optional: the exact standard error (else there must be none)
//   shipped   optional: files of the repository's spellbook/ tree to copy in,
//             one path a line (such as Cyphers/hebrew.txt)
//   tmp       optional: what the private fallback file /tmp/veriglyph_temp_match.txt
//             must hold after the run (a file of ours, mode 0600)
//   tmp-given optional: what stands at that path before the run: a file of
//             ours, mode 0600, with this content, or an empty folder when
//             tmp-given is a folder (which holds a note, as git keeps no
//             empty folder)
// Every other file of the scratch folder must be left as it was given, and
// the run must write nothing to standard error. The cases that meet the
// fallback file are under tests/e2e/tmp-cases/, run one at a time by
// veriglyph_tmp_fallback_tests; there the fallback must be left as given
// (absent when none is) unless tmp says otherwise.
//
// With VERIGLYPH_RECORD_CASES set in the environment, a run writes status,
// stdout and expect/ from what the program did instead of comparing: a way
// to start a new case, whose recorded bytes must then be read and checked.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>

#include "DataTable.h"
#include "e2e/Scratch.h"

namespace fs = std::filesystem;

namespace {

#ifndef VERIGLYPH_CASES
#define VERIGLYPH_CASES "cases"
#endif
const fs::path kCasesDir = fs::path(VERIGLYPH_E2E_DIR) / VERIGLYPH_CASES;
const bool kFallbackCases = kCasesDir.filename() == "tmp-cases";
const char* const kTmp = "/tmp/veriglyph_temp_match.txt";
const fs::path kFixturesDir = fs::path(VERIGLYPH_E2E_DIR) / "fixtures";
const fs::path kShippedDir = fs::path(VERIGLYPH_E2E_DIR) / ".." / ".." / "spellbook";

std::string readAll(const fs::path& file) { return readFileBytes(file.string()); }

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    result.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return result;
}

// Files, links and folders below folder, by relative path, with their
// content (a link's content is its target).
std::map<std::string, std::string> snapshot(const fs::path& folder) {
  std::map<std::string, std::string> files;
  if (!fs::exists(folder)) return files;
  for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator();
       ++it) {
    const std::string relative = fs::relative(it->path(), folder).string();
    if (it->is_symlink()) {
      files[relative] = "-> " + fs::read_symlink(it->path()).string();
      it.disable_recursion_pending();
    } else if (it->is_regular_file()) {
      files[relative] = readAll(it->path());
    } else if (it->is_directory()) {
      files[relative + "/"] = "(folder)";  // the program must never create one
    }
  }
  return files;
}

// The fallback file as a run leaves it: its content, unless it is absent, a
// folder, or no private file of ours.
std::string fallbackLeft() {
  struct stat info {};
  if (lstat(kTmp, &info) != 0) return "(absent)";
  if (S_ISDIR(info.st_mode)) return "(folder)";
  const bool ours =
      (info.st_mode & (S_IFMT | 0777)) == (S_IFREG | 0600) && info.st_uid == geteuid();
  return ours ? readAll(kTmp) : "(not a private file)";
}

void writeBytes(const fs::path& file, const std::string& content) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << content;
}

void record(const fs::path& dir, const RunResult& run,
            const std::map<std::string, std::string>& before,
            const std::map<std::string, std::string>& after, const std::string& tmp) {
  writeBytes(dir / "stdout", run.out);
  if (kFallbackCases && tmp[0] != '(') writeBytes(dir / "tmp", tmp);
  fs::remove(dir / "stderr");
  if (!run.err.empty()) writeBytes(dir / "stderr", run.err);
  fs::remove(dir / "status");
  if (run.status != 0) writeBytes(dir / "status", std::to_string(run.status) + "\n");
  fs::remove_all(dir / "expect");
  for (const auto& [path, content] : after) {
    if (path.back() == '/') continue;
    const auto old = before.find(path);
    if (old == before.end() || old->second != content) writeBytes(dir / "expect" / path, content);
  }
}

std::vector<std::string> caseNames() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kCasesDir)) {
    if (entry.is_directory()) names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

void copyTree(const fs::path& from, const std::string& to) {
  fs::copy(from, to,
           fs::copy_options::recursive | fs::copy_options::copy_symlinks |
               fs::copy_options::overwrite_existing);
}

// Lays out the folder a case starts from; a case that runs after another
// starts from the folder that one left.
void prepare(const fs::path& dir, Scratch& scratch) {
  if (fs::exists(dir / "after")) {
    const fs::path earlier = kCasesDir / lines(readAll(dir / "after")).at(0);
    prepare(earlier, scratch);
    if (fs::exists(earlier / "expect")) copyTree(earlier / "expect", scratch.path());
  }
  if (fs::exists(dir / "wordlist")) {
    const std::string name = lines(readAll(dir / "wordlist")).at(0);
    scratch.writeFile(kWordListRelative, readAll(kFixturesDir / name));
  }
  if (fs::exists(dir / "shipped")) {
    for (const std::string& path : lines(readAll(dir / "shipped"))) {
      scratch.writeFile("spellbook/" + path, readAll(kShippedDir / path));
    }
  }
  if (fs::exists(dir / "given")) copyTree(dir / "given", scratch.path());
  if (fs::exists(dir / "remove")) {
    for (const std::string& path : lines(readAll(dir / "remove"))) scratch.remove(path);
  }
  if (!kFallbackCases) return;
  fs::remove_all(kTmp);
  if (fs::is_directory(dir / "tmp-given")) {
    fs::create_directory(kTmp);
  } else if (fs::exists(dir / "tmp-given")) {
    fs::copy_file(dir / "tmp-given", kTmp);
    fs::permissions(kTmp, fs::perms::owner_read | fs::perms::owner_write);
  }
}

// The bytes a run shows without colour: every escape code taken out.
std::string withoutColour(const std::string& text) {
  static const std::regex code("\x1b\\[[0-9;]*m");
  return std::regex_replace(text, code, "");
}

// Runs the case of that name; without colour (NO_COLOR set) every escape
// code leaves the console and nothing else changes.
void runCase(const std::string& name, bool colourless) {
  const fs::path dir = kCasesDir / name;
  Scratch scratch;
  prepare(dir, scratch);
  std::vector<std::string> args;
  if (fs::exists(dir / "args")) {
    for (const std::string& line : lines(readAll(dir / "args"))) args.push_back(unescape(line));
  }
  const std::map<std::string, std::string> given = snapshot(scratch.path());
  std::map<std::string, std::string> expected = given;
  for (const auto& [path, content] : snapshot(dir / "expect")) expected[path] = content;

  // Each case has a home of its own, empty, so that no data home of the
  // developer's reaches it; "$HOME" in an expected stderr stands for it.
  char homePattern[] = "/tmp/veriglyph-e2e-home-XXXXXX";
  const std::string home = mkdtemp(homePattern);
  RunOptions options;
  options.environment = {"HOME=" + home, "VERIGLYPH_HOME=", "XDG_DATA_HOME="};
  if (fs::exists(dir / "fsize")) options.fileSizeLimit = std::stoll(readAll(dir / "fsize"));
  if (fs::exists(dir / "stdin")) options.standardInput = readAll(dir / "stdin");
  options.environment.push_back(colourless ? "NO_COLOR=1" : "NO_COLOR=");
  RunResult run = runVeriglyph(scratch.path(), args, options);
  EXPECT_TRUE(fs::is_empty(home)) << "the run wrote into its home";
  const std::string tmp = kFallbackCases ? fallbackLeft() : "";
  if (kFallbackCases) fs::remove_all(kTmp);
  fs::remove_all(home);
  for (size_t at; (at = run.err.find(home)) != std::string::npos;)
    run.err.replace(at, home.size(), "$HOME");
  if (!colourless && getenv("VERIGLYPH_RECORD_CASES") != nullptr) {
    record(dir, run, given, snapshot(scratch.path()), tmp);
    return;
  }

  const int status = fs::exists(dir / "status") ? std::stoi(readAll(dir / "status")) : 0;
  EXPECT_EQ(run.status, status);
  const std::string stdoutExpected = readAll(dir / "stdout");
  EXPECT_EQ(run.out, colourless ? withoutColour(stdoutExpected) : stdoutExpected);
  EXPECT_EQ(run.err, fs::exists(dir / "stderr") ? readAll(dir / "stderr") : "");
  if (kFallbackCases) {
    const fs::path was = dir / "tmp-given";
    EXPECT_EQ(tmp, fs::exists(dir / "tmp") ? readAll(dir / "tmp")
                   : fs::is_directory(was) ? "(folder)"
                   : fs::exists(was)       ? readAll(was)
                                           : "(absent)")
        << "in " << kTmp;
  }
  const std::map<std::string, std::string> left = snapshot(scratch.path());
  for (const auto& [path, content] : expected) {
    const auto found = left.find(path);
    if (found == left.end()) {
      ADD_FAILURE() << "missing " << path;
    } else {
      EXPECT_EQ(found->second, content) << "in " << path;
    }
  }
  for (const auto& [path, content] : left) {
    EXPECT_TRUE(expected.count(path)) << "unexpected file " << path << ":\n" << content;
  }
}

class Case : public testing::TestWithParam<std::string> {};
TEST_P(Case, RunsAsExpected) { runCase(GetParam(), false); }

class CaseWithoutColour : public testing::TestWithParam<std::string> {};
TEST_P(CaseWithoutColour, RunsAsExpected) { runCase(GetParam(), true); }

std::string testName(const testing::TestParamInfo<std::string>& info) {
  std::string name = info.param;
  std::replace_if(
      name.begin(), name.end(), [](char c) { return !isalnum(c); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(E2E, Case, testing::ValuesIn(caseNames()), testName);
INSTANTIATE_TEST_SUITE_P(E2E, CaseWithoutColour, testing::ValuesIn(caseNames()), testName);

}  // namespace
