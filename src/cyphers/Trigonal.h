#pragma once

#include "cyphers/CypherCalculator.h"

struct TrigonalRule {
  static const CypherTraits traits;
  static int32_t value(unsigned char c);
};
using Trigonal = CypherCalculator<TrigonalRule>;
