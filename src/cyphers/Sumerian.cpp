#include "cyphers/Sumerian.h"

#include "cyphers/Cyphers.h"

int32_t SumerianRule::value(unsigned char c) {
  // Letters count six times their ordinal value; digits and "&" count plainly.
  const int32_t ordinalValue = ordinalCypher[upper(c)];
  return isLetter(c) ? 6 * ordinalValue : ordinalValue;
}
