#include "cyphers/FrancisBacon.h"

#include "cyphers/Cyphers.h"

const CypherTraits FrancisBaconRule::traits =
    cypherTraits("Francis Bacon", "\033[35m  bacon:     ", "bacon", true,
                 {"bacon", "bcn", "fb", "francis-bacon", "francisbacon"}, "bacon", 1);

int32_t FrancisBaconRule::value(unsigned char c) {
  // Capitals come after the lower-case alphabet: A = 27 ... Z = 52.
  if (c >= 'A' && c <= 'Z') return ordinalCypher[c] + 26;
  return ordinalCypher[upper(c)];
}
