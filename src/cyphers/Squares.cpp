#include "cyphers/Squares.h"

#include "cyphers/Cyphers.h"

const CypherTraits SquaresRule::traits = cypherTraits("Squares", "\033[33m  squares:   ", "sq",
                                                      true, {"sq", "square", "squares"}, "sq", 3);

int32_t SquaresRule::value(unsigned char c) { return squaresCypher[upper(c)]; }
