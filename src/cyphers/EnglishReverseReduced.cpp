#include "cyphers/EnglishReverseReduced.h"

#include "cyphers/Cyphers.h"

int32_t EnglishReverseReducedRule::value(unsigned char c) {
  return reverseReducedCypher[upper(c)];
}
