#pragma once

#include "cyphers/CypherCalculator.h"

struct FrancBaconisRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using FrancBaconis = CypherCalculator<FrancBaconisRule>;
