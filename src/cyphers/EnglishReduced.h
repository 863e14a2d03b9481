#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishReducedRule {
  static constexpr CypherTraits traits{"English Reduced",
                                       "\033[36m  reduced:   ",
                                       "",
                                       true,
                                       {"or", "red", "reduced", "reduction"},
                                       "red",
                                       1};
  static int32_t value(unsigned char c);
};
using EnglishReduced = CypherCalculator<EnglishReducedRule>;
