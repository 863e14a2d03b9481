#include "cyphers/EnglishOrdinal.h"

#include "cyphers/Cyphers.h"

int32_t EnglishOrdinalRule::value(unsigned char c) {
  return ordinalCypher[upper(c)];
}
