#include "cyphers/Septenary.h"

#include "cyphers/Cyphers.h"

int32_t SeptenaryRule::value(unsigned char c) {
  return septenaryCypher[upper(c)];
}
