#include "cyphers/Septenary.h"

#include "cyphers/Cyphers.h"

const CypherTraits SeptenaryRule::traits = cypherTraits(
    "Septenary", "\033[32m  septenary: ", "sept", true, {"sept", "spt", "septenary"}, "sept", 1);

int32_t SeptenaryRule::value(unsigned char c) { return septenaryCypher[upper(c)]; }
