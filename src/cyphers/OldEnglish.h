#pragma once

#include "cyphers/CypherCalculator.h"

struct OldEnglishRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using OldEnglish = CypherCalculator<OldEnglishRule>;
