#include "cyphers/Jewish.h"

#include "cyphers/Cyphers.h"

const CypherTraits JewishRule::traits =
    cypherTraits("Jewish", "\033[35m  agrippa:   ", "j", true,
                 {"j", "jew", "jewish", "agrippa", "latin"}, "j", 4);

int32_t JewishRule::value(unsigned char c) { return jewishCypher[upper(c)]; }
