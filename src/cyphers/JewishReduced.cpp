#include "cyphers/JewishReduced.h"

#include "cyphers/Cyphers.h"

const CypherTraits JewishReducedRule::traits =
    cypherTraits("Jewish Reduced", "\033[35m  jew-red:   ", "jr", true,
                 {"jr", "jewred", "jew-red", "jew-reduced", "jew-reduction", "jewish-reduced",
                  "jewish-reduction"},
                 "jr", 1);

int32_t JewishReducedRule::value(unsigned char c) { return jewishReducedCypher[upper(c)]; }
