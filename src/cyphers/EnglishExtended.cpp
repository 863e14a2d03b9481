#include "cyphers/EnglishExtended.h"

#include "cyphers/Cyphers.h"

int32_t EnglishExtendedRule::value(unsigned char c) {
  return engExtCypher[upper(c)];
}
