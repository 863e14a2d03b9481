#pragma once

#include "cyphers/CypherCalculator.h"

struct ALWRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using ALW = CypherCalculator<ALWRule>;
