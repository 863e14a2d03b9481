#include "cyphers/KVException.h"

#include "cyphers/Cyphers.h"

int32_t KVExceptionRule::value(unsigned char c) {
  // K and V keep their ordinal values instead of being reduced.
  if (upper(c) == 'K') return 11;
  if (upper(c) == 'V') return 22;
  return reducedCypher[upper(c)];
}
