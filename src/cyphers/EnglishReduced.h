#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishReducedRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using EnglishReduced = CypherCalculator<EnglishReducedRule>;
