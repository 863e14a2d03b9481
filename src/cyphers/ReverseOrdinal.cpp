#include "cyphers/ReverseOrdinal.h"

#include "cyphers/Alphabet.h"

namespace {

// The alphabet backwards, A = 26 ... Z = 1; digits and "&" (27) count as in
// English Ordinal.
int32_t valueOf(unsigned char byte) {
  if (isLetter(byte)) return 27 - alphabetPosition(byte);
  return byte == '&' ? 27 : isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kReverseOrdinal = {
    Method::reverse, "ReverseOrdinal", "English Reverse Ordinal",
    Colour::green, "  reverse:   ", "rev",
    {"rev", "ro", "reverse", "rev-ord", "rev-ordinal", "reverse-ord", "reverse-ordinal"}, "rev",
    1, MatchCondition::always, 3, valueOf};
// clang-format on
