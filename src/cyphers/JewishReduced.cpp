#include "cyphers/JewishReduced.h"

#include "cyphers/Cyphers.h"

int32_t JewishReducedRule::value(unsigned char c) {
  return jewishReducedCypher[upper(c)];
}
