#pragma once

#include "cyphers/CypherCalculator.h"

struct JewishRule {
  static constexpr CypherTraits traits{
      "Jewish", "\033[35m  agrippa:   ", "j", true, {"j", "jew", "jewish", "agrippa", "latin"}, "j",
      4};
  static int32_t value(unsigned char c);
};
using Jewish = CypherCalculator<JewishRule>;
