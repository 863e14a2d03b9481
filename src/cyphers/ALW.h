#pragma once

#include "cyphers/CypherCalculator.h"

struct ALWRule {
  static constexpr CypherTraits traits{
      "ALW", "\033[31m  alw:       ", "alw", true, {"alw", "alw-qabala", "alw-qabalah"}, "alw", 1};
  static int32_t value(unsigned char c);
};
using ALW = CypherCalculator<ALWRule>;
