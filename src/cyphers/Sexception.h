#pragma once

#include "cyphers/CypherCalculator.h"

struct SexceptionRule {
  static constexpr CypherTraits traits{"S-exception",
                                       "\033[31m  s-except:  ",
                                       "s",
                                       true,
                                       {"s", "sex", "sexp", "s-exp", "s-exception", "sexception"},
                                       "s",
                                       1};
  static int32_t value(unsigned char c);
};
using Sexception = CypherCalculator<SexceptionRule>;
