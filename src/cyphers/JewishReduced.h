#pragma once

#include "cyphers/CypherCalculator.h"

struct JewishReducedRule {
  static constexpr CypherTraits traits{"Jewish Reduced",
                                       "\033[35m  jew-red:   ",
                                       "jr",
                                       true,
                                       {"jr", "jewred", "jew-red", "jew-reduced", "jew-reduction",
                                        "jewish-reduced", "jewish-reduction"},
                                       "jr",
                                       1};
  static int32_t value(unsigned char c);
};
using JewishReduced = CypherCalculator<JewishReducedRule>;
