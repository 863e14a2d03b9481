#pragma once

#include "cyphers/CypherCalculator.h"

struct SquaresRule {
  static constexpr CypherTraits traits{
      "Squares", "\033[33m  squares:   ", "sq", true, {"sq", "square", "squares"}, "sq", 3};
  static int32_t value(unsigned char c);
};
using Squares = CypherCalculator<SquaresRule>;
