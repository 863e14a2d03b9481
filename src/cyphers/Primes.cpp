#include "cyphers/Primes.h"

#include "cyphers/Cyphers.h"

const CypherTraits PrimesRule::traits = cypherTraits("Primes", "\033[33m  primes:    ", "pri", true,
                                                     {"pri", "prime", "primes"}, "pri", 5);

int32_t PrimesRule::value(unsigned char c) { return primesCypher[upper(c)]; }
