#include "cyphers/EnglishReduced.h"

#include "cyphers/Cyphers.h"

const CypherTraits EnglishReducedRule::traits =
    cypherTraits("English Reduced", "\033[36m  reduced:   ", "", true,
                 {"or", "red", "reduced", "reduction"}, "red", 1);

int32_t EnglishReducedRule::value(unsigned char c) { return reducedCypher[upper(c)]; }
