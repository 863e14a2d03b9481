#pragma once

#include "cyphers/CypherCalculator.h"

struct SumerianRule {
  static constexpr CypherTraits traits{
      "Sumerian", "\033[33m  sumerian:  ", "sumer", true, {"sumer", "sum", "sumerian"}, "sumer", 1};
  static int32_t value(unsigned char c);
};
using Sumerian = CypherCalculator<SumerianRule>;
