#include "cyphers/ReverseOrdinal.h"

#include "cyphers/Cyphers.h"

int32_t ReverseOrdinalRule::value(unsigned char c) {
  const int32_t ordinalValue = ordinalCypher[upper(c)];
  return isLetter(c) ? 27 - ordinalValue : ordinalValue;
}
