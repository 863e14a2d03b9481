#include "cyphers/EnglishOrdinal.h"

#include "cyphers/Alphabet.h"

namespace {

// A = 1 ... Z = 26, "&" = 27.
int32_t valueOf(unsigned char byte) {
  return byte == '&' ? 27 : isDigit(byte) ? byte - '0' : alphabetPosition(byte);
}

}  // namespace

// clang-format off
const BuiltInCypher kEnglishOrdinal = {
    Method::ordinal, "EnglishOrdinal", "English Ordinal",
    Colour::none, "  ordinal:   ", "",
    {"ord", "ordinal", "basic", "alphabetic"}, "ord",
    2, MatchCondition::always, 1, valueOf};
// clang-format on
