#include "cyphers/Trigonal.h"

#include "cyphers/Cyphers.h"

int32_t TrigonalRule::value(unsigned char c) {
  return trigonalCypher[upper(c)];
}
