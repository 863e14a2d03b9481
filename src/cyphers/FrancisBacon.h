#pragma once

#include "cyphers/CypherCalculator.h"

struct FrancisBaconRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using FrancisBacon = CypherCalculator<FrancisBaconRule>;
