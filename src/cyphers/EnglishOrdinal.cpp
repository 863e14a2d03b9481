#include "cyphers/EnglishOrdinal.h"

#include "cyphers/Cyphers.h"

const CypherTraits EnglishOrdinalRule::traits =
    cypherTraits("English Ordinal", "  ordinal:   ", "", false,
                 {"ord", "ordinal", "basic", "alphabetic"}, "ord", 2);

int32_t EnglishOrdinalRule::value(unsigned char c) { return ordinalCypher[upper(c)]; }
