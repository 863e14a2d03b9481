#include "cyphers/Trigonal.h"

#include "cyphers/Cyphers.h"

const CypherTraits TrigonalRule::traits =
    cypherTraits("Trigonal", "\033[33m  trigonal:  ", "tri", true,
                 {"tri", "tr", "trigonal", "triangular"}, "tri", 3);

int32_t TrigonalRule::value(unsigned char c) { return trigonalCypher[upper(c)]; }
