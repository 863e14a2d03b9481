#include "cyphers/ALW.h"

#include "cyphers/Alphabet.h"

namespace {

// Stepping eleven letters on each time: A L W H S D O Z K V G R C N Y J U F Q B
// M X I T E P have the values 1 to 26, so the n-th letter is worth
// ((n - 1) x 19 mod 26) + 1.
int32_t valueOf(unsigned char byte) {
  const int32_t n = alphabetPosition(byte);
  if (n > 0) return (n - 1) * 19 % 26 + 1;
  return isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kALW = {
    Method::alw, "ALW", "ALW",
    Colour::red, "  alw:       ", "alw",
    {"alw", "alw-qabala", "alw-qabalah"}, "alw",
    1, MatchCondition::always, 0, valueOf};
// clang-format on
