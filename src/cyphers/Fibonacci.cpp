#include "cyphers/Fibonacci.h"

#include "cyphers/Cyphers.h"

const CypherTraits FibonacciRule::traits = cypherTraits(
    "Fibonacci", "\033[32m  fibonacci: ", "fib", true, {"fib", "fibonacci", "fibsym"}, "fib", 1);

int32_t FibonacciRule::value(unsigned char c) { return fibonacciCypher[upper(c)]; }
