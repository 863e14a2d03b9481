#pragma once

#include "cyphers/CypherCalculator.h"

struct FibonacciRule {
  static constexpr CypherTraits traits{
      "Fibonacci", "\033[32m  fibonacci: ", "fib", true, {"fib", "fibonacci", "fibsym"}, "fib", 1};
  static int32_t value(unsigned char c);
};
using Fibonacci = CypherCalculator<FibonacciRule>;
