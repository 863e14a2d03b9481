#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishExtendedRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using EnglishExtended = CypherCalculator<EnglishExtendedRule>;
