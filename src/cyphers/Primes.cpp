#include "cyphers/Primes.h"

#include "cyphers/Cyphers.h"

int32_t PrimesRule::value(unsigned char c) {
  return primesCypher[upper(c)];
}
