#include "cyphers/ALW.h"

#include "cyphers/Cyphers.h"

const CypherTraits ALWRule::traits = cypherTraits("ALW", "\033[31m  alw:       ", "alw", true,
                                                  {"alw", "alw-qabala", "alw-qabalah"}, "alw", 1);

int32_t ALWRule::value(unsigned char c) { return alwCypher[upper(c)]; }
