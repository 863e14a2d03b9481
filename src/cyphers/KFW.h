#pragma once

#include "cyphers/CypherCalculator.h"

struct KFWRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using KFW = CypherCalculator<KFWRule>;
