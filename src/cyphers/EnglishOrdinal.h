#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishOrdinalRule {
  static constexpr CypherTraits traits{"English Ordinal",
                                       "  ordinal:   ",
                                       "",
                                       false,
                                       {"ord", "ordinal", "basic", "alphabetic"},
                                       "ord",
                                       2};
  static int32_t value(unsigned char c);
};
using EnglishOrdinal = CypherCalculator<EnglishOrdinalRule>;
