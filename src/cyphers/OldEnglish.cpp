#include "cyphers/OldEnglish.h"

#include "cyphers/Cyphers.h"

int32_t OldEnglishRule::value(unsigned char c) {
  return oldEnglishCypher[upper(c)];
}
