#include "cyphers/FrancBaconis.h"

#include "cyphers/Cyphers.h"

int32_t FrancBaconisRule::value(unsigned char c) {
  return baconisCypher[c];  // case-sensitive table, no upper-casing
}
