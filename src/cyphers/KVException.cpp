#include "cyphers/KVException.h"

#include "cyphers/Cyphers.h"

const CypherTraits KVExceptionRule::traits =
    cypherTraits("K/V Exception", "\033[35m  kv-except: ", "kv", true,
                 {"kv", "kvexp", "kv-exp", "kvexcept", "kv-except", "kv-exception"}, "kv", 1);

int32_t KVExceptionRule::value(unsigned char c) {
  // K and V keep their ordinal values instead of being reduced.
  if (upper(c) == 'K') return 11;
  if (upper(c) == 'V') return 22;
  return reducedCypher[upper(c)];
}
