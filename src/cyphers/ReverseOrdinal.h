#pragma once

#include "cyphers/CypherCalculator.h"

struct ReverseOrdinalRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using ReverseOrdinal = CypherCalculator<ReverseOrdinalRule>;
