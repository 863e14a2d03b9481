#include "cyphers/FrancBaconis.h"

#include "cyphers/Alphabet.h"

namespace {

// Case matters, each capital before its small letter: A = 1, a = 2 ... Z = 51,
// z = 52; digits count their face value.
int32_t valueOf(unsigned char byte) {
  if (isUpper(byte)) return 2 * alphabetPosition(byte) - 1;
  if (isLower(byte)) return 2 * alphabetPosition(byte);
  return isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kFrancBaconis = {
    Method::baconis, "FrancBaconis", "Franc Baconis",
    Colour::magenta, "  baconis:   ", "baconis",
    {"baconis", "bcns", "francbaconis", "franc-baconis"}, "baconis",
    1, MatchCondition::always, 0, valueOf};
// clang-format on
