#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "modes/Modes.h"

// Who a switch has been known to. The help's fixed text shows the switches
// veriglyph always had; the ones added since are listed in a block after it,
// and given with too few or too many arguments they are a usage error, never
// a spell.
enum class Origin { original, added };

// How many arguments may follow a switch: none (given alone), or from fewest
// to most; kAny for a switch that reads the first and ignores the rest.
struct Arity {
  size_t fewest, most;
};
inline constexpr size_t kAny = SIZE_MAX;
inline constexpr Arity kAlone{0, 0}, kOperand{1, kAny};

// One switch: its spellings, the operands it takes (as the help writes them,
// empty for a switch given alone), what it does in one line, its mode, and how
// many arguments may follow it.
struct Switch {
  std::array<std::string_view, 4> spellings;
  std::string_view operand;
  std::string_view summary;
  Mode mode;
  Origin origin;
  Arity arity = kOperand;

  bool matches(std::string_view argument) const;
  bool takes(size_t arguments) const {
    return arguments >= arity.fewest && arguments <= arity.most;
  }
};

// Every switch, once. The help, the selection of a mode, and the checks of
// the completions and the manual page all read this table.
const std::vector<Switch>& switches();

// The mode the arguments ask for; null when they are a switch of ours given
// with too few or too many operands (usage).
Mode selectMode(const std::vector<std::string_view>& args, const Switch** usage);

// "usage: veriglyph SWITCH OPERANDS", without a line end.
std::string usageLine(const Switch& entry);
// The usage line of the switch spelt so; empty when there is none.
std::string usageLine(std::string_view spelling);
