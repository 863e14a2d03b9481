#include "cyphers/EnglishReverseReduced.h"

#include "cyphers/Cyphers.h"

const CypherTraits EnglishReverseReducedRule::traits =
    cypherTraits("English Reverse-Reduced", "\033[36m  rev-red:   ", "revred", true,
                 {"rr", "revred", "rev-red", "reverse-reduced", "reverse-reduction"}, "rev-red", 1);

int32_t EnglishReverseReducedRule::value(unsigned char c) { return reverseReducedCypher[upper(c)]; }
