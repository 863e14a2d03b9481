#include "cyphers/Fibonacci.h"

#include "cyphers/Alphabet.h"

namespace {

// A-M are the first thirteen Fibonacci numbers, 1 1 2 3 5 8 13 21 34 55 89 144
// 233, and N-Z mirror them back down to 1.
int32_t valueOf(unsigned char byte) {
  const int32_t n = alphabetPosition(byte);
  if (n == 0) return isDigit(byte) ? byte - '0' : 0;
  const int32_t step = n <= 13 ? n : 27 - n;
  int32_t previous = 0, current = 1;
  for (int32_t i = 1; i < step; ++i) {
    const int32_t next = previous + current;
    previous = current;
    current = next;
  }
  return current;
}

}  // namespace

// clang-format off
const BuiltInCypher kFibonacci = {
    Method::fibonacci, "Fibonacci", "Fibonacci",
    Colour::green, "  fibonacci: ", "fib",
    {"fib", "fibonacci", "fibsym"}, "fib",
    1, MatchCondition::always, 13, valueOf};
// clang-format on
