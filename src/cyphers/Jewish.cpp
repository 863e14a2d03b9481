#include "cyphers/Jewish.h"

#include "cyphers/Cyphers.h"

int32_t JewishRule::value(unsigned char c) {
  return jewishCypher[upper(c)];
}
