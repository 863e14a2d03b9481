#pragma once

#include "cyphers/CypherCalculator.h"

struct KVExceptionRule {
  static constexpr CypherTraits traits{
      "K/V Exception",
      "\033[35m  kv-except: ",
      "kv",
      true,
      {"kv", "kvexp", "kv-exp", "kvexcept", "kv-except", "kv-exception"},
      "kv",
      1};
  static int32_t value(unsigned char c);
};
using KVException = CypherCalculator<KVExceptionRule>;
