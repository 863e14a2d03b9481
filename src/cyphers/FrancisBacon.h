#pragma once

#include "cyphers/CypherCalculator.h"

struct FrancisBaconRule {
  static constexpr CypherTraits traits{"Francis Bacon",
                                       "\033[35m  bacon:     ",
                                       "bacon",
                                       true,
                                       {"bacon", "bcn", "fb", "francis-bacon", "francisbacon"},
                                       "bacon",
                                       1};
  static int32_t value(unsigned char c);
};
using FrancisBacon = CypherCalculator<FrancisBaconRule>;
