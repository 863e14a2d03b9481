#pragma once

#include "cyphers/CypherCalculator.h"

struct SatanicRule {
  static constexpr CypherTraits traits{"Satanic", "\033[31m  satanic:   ",           "st",
                                       true,      {"satan", "st", "stn", "satanic"}, "satan",
                                       1};
  static int32_t value(unsigned char c);
};
using Satanic = CypherCalculator<SatanicRule>;
