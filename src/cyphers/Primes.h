#pragma once

#include "cyphers/CypherCalculator.h"

struct PrimesRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Primes = CypherCalculator<PrimesRule>;
