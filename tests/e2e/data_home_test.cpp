// A run from a folder without a spellbook/ works in the user's data home:
// every file it reads and writes is there, and the folder it started in stays
// empty.
#include <gtest/gtest.h>

#include <filesystem>

#include "e2e/Scratch.h"

namespace fs = std::filesystem;

namespace {

TEST(DataHome, EveryModeReadsAndWritesThere) {
  // Which setting names the home, and where below the folder it names.
  const struct {
    const char* setting;
    const char* below;
  } ways[] = {
      {"VERIGLYPH_HOME", ""}, {"XDG_DATA_HOME", "/veriglyph"}, {"HOME", "/.local/share/veriglyph"}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.setting);
    Scratch start, named;  // the folder the runs start in, and the folder the setting names
    start.remove("spellbook");
    named.writeWordList({"hello", "world"});
    const std::string home = named.path() + way.below;
    fs::create_directories(home);
    if (*way.below != '\0') fs::rename(named.at("spellbook"), home + "/spellbook");
    RunOptions options;
    for (const char* name : {"VERIGLYPH_HOME", "XDG_DATA_HOME", "HOME"}) {
      const bool isWay = std::string(name) == way.setting;
      const char* other = std::string(name) == "HOME" ? "/nonexistent" : "";
      options.environment.push_back(std::string(name) + "=" + (isWay ? named.path() : other));
    }
    const std::vector<std::vector<std::string>> runs = {
        {"hello", "ord"}, {"--match", "hello"}, {"--find", "52ord"}, {"--html", "world"}};
    for (const auto& args : runs) {
      const RunResult run = runVeriglyph(start.path(), args, options);
      EXPECT_EQ(run.status, 0) << args[0] << "\n" << run.out;
      EXPECT_EQ(run.err, "") << args[0];
    }
    EXPECT_TRUE(fs::is_empty(start.path()));
    EXPECT_EQ(readFileBytes(home + "/spellbook/user_entries.txt"), "hello\nworld\n");
    for (const char* written :
         {"Results/match_hello.txt", "Results/output_52ord.txt", "ResultsHTML/w/match_world.htm"}) {
      EXPECT_TRUE(fs::exists(home + "/spellbook/" + written)) << written;
    }
  }
}

}  // namespace
