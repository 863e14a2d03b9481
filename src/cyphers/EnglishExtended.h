#pragma once

#include "cyphers/CypherCalculator.h"

struct EnglishExtendedRule {
  static constexpr CypherTraits traits{"English-Extended",
                                       "\033[33m  eng-ext:   ",
                                       "eng-ext",
                                       true,
                                       {"ee", "ext", "engext", "eng-ext", "englishext",
                                        "english-ext", "englishextended", "english-extended"},
                                       "eng-ext",
                                       3};
  static int32_t value(unsigned char c);
};
using EnglishExtended = CypherCalculator<EnglishExtendedRule>;
