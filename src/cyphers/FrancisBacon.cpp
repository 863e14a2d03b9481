#include "cyphers/FrancisBacon.h"

#include "cyphers/Cyphers.h"

int32_t FrancisBaconRule::value(unsigned char c) {
  // Capitals come after the lower-case alphabet: A = 27 ... Z = 52.
  if (c >= 'A' && c <= 'Z') return ordinalCypher[c] + 26;
  return ordinalCypher[upper(c)];
}
