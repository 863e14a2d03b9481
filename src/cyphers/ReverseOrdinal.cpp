#include "cyphers/ReverseOrdinal.h"

#include "cyphers/Cyphers.h"

const CypherTraits ReverseOrdinalRule::traits = cypherTraits(
    "English Reverse Ordinal", "\033[32m  reverse:   ", "rev", true,
    {"rev", "ro", "reverse", "rev-ord", "rev-ordinal", "reverse-ord", "reverse-ordinal"}, "rev", 1);

int32_t ReverseOrdinalRule::value(unsigned char c) {
  const int32_t ordinalValue = ordinalCypher[upper(c)];
  return isLetter(c) ? 27 - ordinalValue : ordinalValue;
}
