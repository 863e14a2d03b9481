#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishReverseReducedRule {
  static constexpr CypherTraits traits{
      "English Reverse-Reduced",
      "\033[36m  rev-red:   ",
      "revred",
      true,
      {"rr", "revred", "rev-red", "reverse-reduced", "reverse-reduction"},
      "rev-red",
      1};
  static int32_t value(unsigned char c);
};
using EnglishReverseReduced = CypherCalculator<EnglishReverseReducedRule>;
