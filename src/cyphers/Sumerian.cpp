#include "cyphers/Sumerian.h"

#include "cyphers/Alphabet.h"

namespace {

// Six times the ordinal value, A = 6 ... Z = 156; digits and "&" (27) count
// as in English Ordinal, not multiplied.
int32_t valueOf(unsigned char byte) {
  if (isLetter(byte)) return 6 * alphabetPosition(byte);
  return byte == '&' ? 27 : isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kSumerian = {
    Method::sumerian, "Sumerian", "Sumerian",
    Colour::yellow, "  sumerian:  ", "sumer",
    {"sumer", "sum", "sumerian"}, "sumer",
    1, MatchCondition::always, 5, valueOf};
// clang-format on
