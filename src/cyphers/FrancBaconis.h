#pragma once

#include "cyphers/CypherCalculator.h"

struct FrancBaconisRule {
  static constexpr CypherTraits traits{"Franc Baconis",
                                       "\033[35m  baconis:   ",
                                       "baconis",
                                       true,
                                       {"baconis", "bcns", "francbaconis", "franc-baconis"},
                                       "baconis",
                                       1};
  static int32_t value(unsigned char c);
};
using FrancBaconis = CypherCalculator<FrancBaconisRule>;
