#include "cyphers/KFW.h"

#include "cyphers/Cyphers.h"

const CypherTraits KFWRule::traits = cypherTraits("KFW", "\033[31m  kfw:       ", "kfw", true,
                                                  {"kfw", "kfw-qabala", "kfw-qabalah"}, "kfw", 1);

int32_t KFWRule::value(unsigned char c) { return kfwCypher[upper(c)]; }
