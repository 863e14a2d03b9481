#pragma once

#include "cyphers/CypherCalculator.h"

struct KFWRule {
  static constexpr CypherTraits traits{
      "KFW", "\033[31m  kfw:       ", "kfw", true, {"kfw", "kfw-qabala", "kfw-qabalah"}, "kfw", 1};
  static int32_t value(unsigned char c);
};
using KFW = CypherCalculator<KFWRule>;
