#pragma once

#include "cyphers/CypherCalculator.h"

struct JewishRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Jewish = CypherCalculator<JewishRule>;
