#include "cyphers/Fibonacci.h"

#include "cyphers/Cyphers.h"

int32_t FibonacciRule::value(unsigned char c) {
  return fibonacciCypher[upper(c)];
}
