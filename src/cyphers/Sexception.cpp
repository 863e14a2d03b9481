#include "cyphers/Sexception.h"

#include "cyphers/Cyphers.h"

const CypherTraits SexceptionRule::traits =
    cypherTraits("S-exception", "\033[31m  s-except:  ", "s", true,
                 {"s", "sex", "sexp", "s-exp", "s-exception", "sexception"}, "s", 1);

int32_t SexceptionRule::value(unsigned char c) { return sexceptionCypher[upper(c)]; }
