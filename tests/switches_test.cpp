// The switch table is the one list of switches: the completions and the
// manual page are written by hand, so this test fails when they miss a switch
// or, for the completions, a built-in cypher tag.
#include <regex>

#include "TestSupport.h"
#include "cyphers/BuiltIns.h"
#include "modes/Switches.h"

namespace {

// Whether word stands in text on its own, not as part of a longer switch or
// tag. The manual page writes each "-" as "\-"; fish names a switch --x as
// "-l x".
bool mentions(const std::string& text, const std::string& word) {
  const bool isSwitch = word.rfind("--", 0) == 0;
  std::string pattern = isSwitch ? R"((\\?-\\?-|-l ))" : "";
  for (char c : word.substr(isSwitch ? 2 : 0)) pattern += c == '-' ? R"(\\?-)" : std::string(1, c);
  return std::regex_search(text, std::regex(R"((^|[^a-z\\-]))" + pattern + "($|[^a-z-])"));
}

TEST(Switches, CompletionsAndManualPageKnowEverySwitchAndTag) {
  const std::string source = VERIGLYPH_SOURCE_DIR;
  for (const char* file : {"completions/veriglyph.bash", "completions/_veriglyph",
                           "completions/veriglyph.fish", "doc/veriglyph.1.in"}) {
    SCOPED_TRACE(file);
    const std::string text = readFileText(source + "/" + file);
    ASSERT_FALSE(text.empty());
    for (const Switch& entry : switches()) {
      for (std::string_view spelling : entry.spellings) {
        if (!spelling.empty()) {
          EXPECT_TRUE(mentions(text, std::string(spelling))) << spelling;
        }
      }
    }
    if (std::string(file).find("completions/") != 0) continue;
    for (const Cypher& cypher : builtInCyphers()) {
      for (const std::string& tag : cypher.tags) EXPECT_TRUE(mentions(text, tag)) << tag;
    }
  }
}

}  // namespace
