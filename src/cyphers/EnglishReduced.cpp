#include "cyphers/EnglishReduced.h"

#include "cyphers/Alphabet.h"

namespace {

// Each letter's ordinal value reduced to one digit: A-I 1-9, J-R 1-9, S-Z 1-8.
int32_t valueOf(unsigned char byte) {
  return isDigit(byte) ? byte - '0' : digitalRootOf(alphabetPosition(byte));
}

}  // namespace

// clang-format off
const BuiltInCypher kEnglishReduced = {
    Method::reduced, "EnglishReduced", "English Reduced",
    Colour::cyan, "  reduced:   ", "",
    {"or", "red", "reduced", "reduction"}, "red",
    1, MatchCondition::always, 2, valueOf};
// clang-format on
