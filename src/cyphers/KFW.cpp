#include "cyphers/KFW.h"

#include "cyphers/Cyphers.h"

int32_t KFWRule::value(unsigned char c) {
  return kfwCypher[upper(c)];
}
