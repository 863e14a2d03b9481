#include "cyphers/Sexception.h"

#include "cyphers/Cyphers.h"

int32_t SexceptionRule::value(unsigned char c) {
  return sexceptionCypher[upper(c)];
}
