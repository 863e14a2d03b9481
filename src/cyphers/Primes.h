#pragma once

#include "cyphers/CypherCalculator.h"

struct PrimesRule {
  static constexpr CypherTraits traits{
      "Primes", "\033[33m  primes:    ", "pri", true, {"pri", "prime", "primes"}, "pri", 5};
  static int32_t value(unsigned char c);
};
using Primes = CypherCalculator<PrimesRule>;
