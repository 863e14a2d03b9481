#pragma once

#include "cyphers/CypherCalculator.h"

struct JewishReducedRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using JewishReduced = CypherCalculator<JewishReducedRule>;
