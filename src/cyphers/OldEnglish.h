#pragma once

#include "cyphers/CypherCalculator.h"

struct OldEnglishRule {
  static constexpr CypherTraits traits{
      "Old English", "  old-eng:   ", "", false, {"oe", "oeng", "old-eng", "old-english"}, "oe", 1};
  static int32_t value(unsigned char c);
};
using OldEnglish = CypherCalculator<OldEnglishRule>;
