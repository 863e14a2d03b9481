#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishReverseReducedRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using EnglishReverseReduced = CypherCalculator<EnglishReverseReducedRule>;
