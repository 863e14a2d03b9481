#pragma once

#include "cyphers/Cypher.h"

extern const BuiltInCypher kEnglishExtended;
