#include <array>
#include <cstdio>
#include <string_view>

#include "io/Console.h"
#include "modes/Modes.h"

namespace {

// A switch (or its other spellings) and the mode it selects.
struct ModeSwitch {
  std::array<std::string_view, 4> spellings;
  Mode mode;

  bool matches(std::string_view argument) const {
    for (std::string_view spelling : spellings) {
      if (!spelling.empty() && spelling == argument) return true;
    }
    return false;
  }
};

// veriglyph SWITCH, alone. Any other lone argument is a spell to analyse.
const ModeSwitch kLoneSwitches[] = {
    {{"--help"}, showHelp},
    {{"--version"}, showVersion},
    {{"--html"}, writePageSet},
};

// veriglyph SWITCH OPERAND [...]: the first row that matches. When none does,
// the arguments are a spell, a cypher tag and perhaps "details".
const ModeSwitch kSwitches[] = {
    {{"--find"}, findInWordList},
    {{"--find-spells"}, findInSpellbook},
    {{"--spellbook", "--spells"}, compareWithSpellbook},
    {{"--all-spells"}, compareWithAllSpells},
    {{"--match"}, matchAsText},
    {{"--html"}, matchAsPage},
    {{"--line"}, analyseLine},
    {{"--consonant-roots", "--consonantal-roots", "--consonant-root", "--consonantal-root"},
     showConsonantalRoot},
    {{"--consonant-roots-match", "--consonantal-roots-match", "--consonant-root-match",
      "--consonantal-root-match"},
     matchConsonantalRoot},
    {{"--reduction-match"}, matchReduction},
    {{"--table"}, exportTsv},
    {{"--csv"}, exportCsv},
};

template <size_t N>
Mode switchedMode(const ModeSwitch (&table)[N], std::string_view argument, Mode otherwise) {
  for (const ModeSwitch& entry : table) {
    if (entry.matches(argument)) return entry.mode;
  }
  return otherwise;
}

Mode selectMode(const std::vector<std::string_view>& args) {
  if (args.empty()) return showHelp;
  if (args.size() == 1) return switchedMode(kLoneSwitches, args[0], analyseWord);
  return switchedMode(kSwitches, args[0], querySingleCypher);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 1) return kSuccess;  // not even a program name: nothing asked
  Console console(stdout, Palette::fromEnvironment());
  const Invocation run{{argv + 1, argv + argc}, console};
  return selectMode(run.args)(run);
}
