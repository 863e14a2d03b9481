#include "cyphers/EnglishReverseReduced.h"

#include "cyphers/Alphabet.h"

namespace {

// Each letter's reverse ordinal value reduced to one digit.
int32_t valueOf(unsigned char byte) {
  if (isLetter(byte)) return digitalRootOf(27 - alphabetPosition(byte));
  return isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kEnglishReverseReduced = {
    Method::reverseReduced, "EnglishReverseReduced", "English Reverse-Reduced",
    Colour::cyan, "  rev-red:   ", "revred",
    {"rr", "revred", "rev-red", "reverse-reduced", "reverse-reduction"}, "rev-red",
    1, MatchCondition::always, 4, valueOf};
// clang-format on
