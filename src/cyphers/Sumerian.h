#pragma once

#include "cyphers/CypherCalculator.h"

struct SumerianRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Sumerian = CypherCalculator<SumerianRule>;
