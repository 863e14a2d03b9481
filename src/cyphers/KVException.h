#pragma once

#include "cyphers/CypherCalculator.h"

struct KVExceptionRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using KVException = CypherCalculator<KVExceptionRule>;
