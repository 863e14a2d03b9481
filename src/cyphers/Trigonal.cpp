#include "cyphers/Trigonal.h"

#include "cyphers/Alphabet.h"

namespace {

// The n-th triangular number n(n + 1)/2 for the n-th letter, A = 1 ... Z = 351.
int32_t valueOf(unsigned char byte) {
  const int32_t n = alphabetPosition(byte);
  return isDigit(byte) ? byte - '0' : n * (n + 1) / 2;
}

}  // namespace

// clang-format off
const BuiltInCypher kTrigonal = {
    Method::trigonal, "Trigonal", "Trigonal",
    Colour::yellow, "  trigonal:  ", "tri",
    {"tri", "tr", "trigonal", "triangular"}, "tri",
    3, MatchCondition::always, 11, valueOf};
// clang-format on
