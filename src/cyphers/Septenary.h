#pragma once

#include "cyphers/CypherCalculator.h"

struct SeptenaryRule {
  static constexpr CypherTraits traits{
      "Septenary", "\033[32m  septenary: ", "sept", true, {"sept", "spt", "septenary"}, "sept", 1};
  static int32_t value(unsigned char c);
};
using Septenary = CypherCalculator<SeptenaryRule>;
