#pragma once

#include "cyphers/CypherCalculator.h"

struct SexceptionRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Sexception = CypherCalculator<SexceptionRule>;
