#include "cyphers/Satanic.h"

#include "cyphers/Alphabet.h"

namespace {

// The ordinal value plus 35, A = 36 ... Z = 61; digits count their face value.
// Every other byte takes no part: no value and no term of the breakdown.
int32_t valueOf(unsigned char byte) {
  if (isLetter(byte)) return alphabetPosition(byte) + 35;
  return isDigit(byte) ? byte - '0' : kSkipped;
}

}  // namespace

// clang-format off
const BuiltInCypher kSatanic = {
    Method::satanic, "Satanic", "Satanic",
    Colour::red, "  satanic:   ", "st",
    {"satan", "st", "stn", "satanic"}, "satan",
    1, MatchCondition::always, 9, valueOf};
// clang-format on
