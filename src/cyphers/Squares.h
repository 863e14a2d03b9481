#pragma once

#include "cyphers/CypherCalculator.h"

struct SquaresRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Squares = CypherCalculator<SquaresRule>;
