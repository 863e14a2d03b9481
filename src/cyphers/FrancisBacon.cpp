#include "cyphers/FrancisBacon.h"

#include "cyphers/Alphabet.h"

namespace {

// Case matters: a = 1 ... z = 26, then the capitals A = 27 ... Z = 52; digits
// and "&" (27) count as in English Ordinal.
int32_t valueOf(unsigned char byte) {
  if (isUpper(byte)) return alphabetPosition(byte) + 26;
  if (isLower(byte)) return alphabetPosition(byte);
  return byte == '&' ? 27 : isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kFrancisBacon = {
    Method::bacon, "FrancisBacon", "Francis Bacon",
    Colour::magenta, "  bacon:     ", "bacon",
    {"bacon", "bcn", "fb", "francis-bacon", "francisbacon"}, "bacon",
    1, MatchCondition::capitals, 0, valueOf};
// clang-format on
