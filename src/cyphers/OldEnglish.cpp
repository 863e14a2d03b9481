#include "cyphers/OldEnglish.h"

#include "cyphers/Cyphers.h"

const CypherTraits OldEnglishRule::traits = cypherTraits(
    "Old English", "  old-eng:   ", "", false, {"oe", "oeng", "old-eng", "old-english"}, "oe", 1);

int32_t OldEnglishRule::value(unsigned char c) { return oldEnglishCypher[upper(c)]; }
