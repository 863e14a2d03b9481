#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "modes/Modes.h"

// Who a switch has been known to. The help's fixed text shows the switches
// veriglyph always had; the ones added since are listed in a block after it,
// and given without their operand they are a usage error, never a spell.
enum class Origin { original, added };

// One switch: its spellings, the operand it takes (as the help writes it:
// empty for a switch given alone, in brackets when it may be left out), what
// it does in one line, and its mode.
struct Switch {
  std::array<std::string_view, 4> spellings;
  std::string_view operand;
  std::string_view summary;
  Mode mode;
  Origin origin;

  bool matches(std::string_view argument) const;
  // Whether it is given rightly with that many arguments after it: none
  // without an operand; none or one with an operand that may be left out;
  // else one or more (the mode takes what it needs).
  bool takes(size_t operands) const;
};

// Every switch, once. The help, the selection of a mode, and the checks of
// the completions and the manual page all read this table.
const std::vector<Switch>& switches();

// The mode the arguments ask for; null when they are a switch of ours given
// without its operand (usage).
Mode selectMode(const std::vector<std::string_view>& args, const Switch** usage);
