#include "cyphers/Squares.h"

#include "cyphers/Alphabet.h"

namespace {

// The square of the letter's place, A = 1 ... Z = 676.
int32_t valueOf(unsigned char byte) {
  const int32_t n = alphabetPosition(byte);
  return isDigit(byte) ? byte - '0' : n * n;
}

}  // namespace

// clang-format off
const BuiltInCypher kSquares = {
    Method::squares, "Squares", "Squares",
    Colour::yellow, "  squares:   ", "sq",
    {"sq", "square", "squares"}, "sq",
    3, MatchCondition::always, 12, valueOf};
// clang-format on
