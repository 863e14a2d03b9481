#include "cyphers/EnglishExtended.h"

#include "cyphers/Cyphers.h"

const CypherTraits EnglishExtendedRule::traits =
    cypherTraits("English-Extended", "\033[33m  eng-ext:   ", "eng-ext", true,
                 {"ee", "ext", "engext", "eng-ext", "englishext", "english-ext", "englishextended",
                  "english-extended"},
                 "eng-ext", 3);

int32_t EnglishExtendedRule::value(unsigned char c) { return engExtCypher[upper(c)]; }
