#pragma once

#include "cyphers/CypherCalculator.h"

struct ReverseOrdinalRule {
  static constexpr CypherTraits traits{
      "English Reverse Ordinal",
      "\033[32m  reverse:   ",
      "rev",
      true,
      {"rev", "ro", "reverse", "rev-ord", "rev-ordinal", "reverse-ord", "reverse-ordinal"},
      "rev",
      1};
  static int32_t value(unsigned char c);
};
using ReverseOrdinal = CypherCalculator<ReverseOrdinalRule>;
