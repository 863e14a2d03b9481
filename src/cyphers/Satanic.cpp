#include "cyphers/Satanic.h"

#include "cyphers/Cyphers.h"

int32_t SatanicRule::value(unsigned char c) {
  // Only letters and digits take part; every other byte adds no term.
  if (isLetter(c)) return ordinalCypher[upper(c)] + 35;
  if (isDigit(c)) return ordinalCypher[c];
  return kSkipped;
}
