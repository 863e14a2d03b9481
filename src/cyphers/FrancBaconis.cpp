#include "cyphers/FrancBaconis.h"

#include "cyphers/Cyphers.h"

const CypherTraits FrancBaconisRule::traits =
    cypherTraits("Franc Baconis", "\033[35m  baconis:   ", "baconis", true,
                 {"baconis", "bcns", "francbaconis", "franc-baconis"}, "baconis", 1);

int32_t FrancBaconisRule::value(unsigned char c) {
  return baconisCypher[c];  // case-sensitive table, no upper-casing
}
