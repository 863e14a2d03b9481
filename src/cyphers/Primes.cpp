#include "cyphers/Primes.h"

#include "cyphers/Alphabet.h"

namespace {

// The n-th prime for the n-th letter, A = 2 ... Z = 101.
constexpr Alphabet kLetters = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37, 41,
                               43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89, 97, 101};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte); }

}  // namespace

// clang-format off
const BuiltInCypher kPrimes = {
    Method::primes, "Primes", "Primes",
    Colour::yellow, "  primes:    ", "pri",
    {"pri", "prime", "primes"}, "pri",
    5, MatchCondition::always, 10, valueOf};
// clang-format on
