#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishOrdinalRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using EnglishOrdinal = CypherCalculator<EnglishOrdinalRule>;
