#include "cyphers/Satanic.h"

#include "cyphers/Cyphers.h"

const CypherTraits SatanicRule::traits = cypherTraits(
    "Satanic", "\033[31m  satanic:   ", "st", true, {"satan", "st", "stn", "satanic"}, "satan", 1);

int32_t SatanicRule::value(unsigned char c) {
  // Only letters and digits take part; every other byte adds no term.
  if (isLetter(c)) return ordinalCypher[upper(c)] + 35;
  if (isDigit(c)) return ordinalCypher[c];
  return kSkipped;
}
