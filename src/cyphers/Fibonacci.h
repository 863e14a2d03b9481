#pragma once

#include "cyphers/CypherCalculator.h"

struct FibonacciRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Fibonacci = CypherCalculator<FibonacciRule>;
