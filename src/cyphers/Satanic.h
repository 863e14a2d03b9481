#pragma once

#include "cyphers/CypherCalculator.h"

struct SatanicRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Satanic = CypherCalculator<SatanicRule>;
