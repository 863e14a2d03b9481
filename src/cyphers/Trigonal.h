#pragma once

#include "cyphers/CypherCalculator.h"

struct TrigonalRule {
  static constexpr CypherTraits traits{"Trigonal",
                                       "\033[33m  trigonal:  ",
                                       "tri",
                                       true,
                                       {"tri", "tr", "trigonal", "triangular"},
                                       "tri",
                                       3};
  static int32_t value(unsigned char c);
};
using Trigonal = CypherCalculator<TrigonalRule>;
