#include "cyphers/Sumerian.h"

#include "cyphers/Cyphers.h"

const CypherTraits SumerianRule::traits = cypherTraits(
    "Sumerian", "\033[33m  sumerian:  ", "sumer", true, {"sumer", "sum", "sumerian"}, "sumer", 1);

int32_t SumerianRule::value(unsigned char c) {
  // Letters count six times their ordinal value; digits and "&" count plainly.
  const int32_t ordinalValue = ordinalCypher[upper(c)];
  return isLetter(c) ? 6 * ordinalValue : ordinalValue;
}
