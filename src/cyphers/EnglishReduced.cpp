#include "cyphers/EnglishReduced.h"

#include "cyphers/Cyphers.h"

int32_t EnglishReducedRule::value(unsigned char c) {
  return reducedCypher[upper(c)];
}
