#include "cyphers/KVException.h"

#include "cyphers/Alphabet.h"

namespace {

// English Reduced, but K and V keep their ordinal values 11 and 22.
int32_t valueOf(unsigned char byte) {
  if (upper(byte) == 'K') return 11;
  if (upper(byte) == 'V') return 22;
  return isDigit(byte) ? byte - '0' : digitalRootOf(alphabetPosition(byte));
}

}  // namespace

// clang-format off
const BuiltInCypher kKVException = {
    Method::kvexception, "KVException", "K/V Exception",
    Colour::magenta, "  kv-except: ", "kv",
    {"kv", "kvexp", "kv-exp", "kvexcept", "kv-except", "kv-exception",
     "kvexception"}, "kv",
    1, MatchCondition::kvLetters, 0, valueOf};
// clang-format on
