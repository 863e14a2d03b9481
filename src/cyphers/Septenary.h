#pragma once

#include "cyphers/CypherCalculator.h"

struct SeptenaryRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Septenary = CypherCalculator<SeptenaryRule>;
