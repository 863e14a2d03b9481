#include "cyphers/ALW.h"

#include "cyphers/Cyphers.h"

int32_t ALWRule::value(unsigned char c) {
  return alwCypher[upper(c)];
}
