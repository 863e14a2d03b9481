#include "cyphers/Jewish.h"

#include "cyphers/Alphabet.h"

namespace {

// A-I 1-9, K-T 10-100 in tens, then U 200, X 300, Y 400, Z 500, J 600, V 700,
// "&" 800 and W 900.
constexpr Alphabet kLetters = {1,  2,  3,  4,  5,  6,  7,   8,   9,   600, 10,  20,  30,
                               40, 50, 60, 70, 80, 90, 100, 200, 700, 900, 300, 400, 500};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte, 800); }

}  // namespace

// clang-format off
const BuiltInCypher kJewish = {
    Method::jewish, "Jewish", "Jewish",
    Colour::magenta, "  agrippa:   ", "j",
    {"j", "jew", "jewish", "agrippa", "latin", "latin-agrippa", "alva"}, "j",
    4, MatchCondition::always, 7, valueOf};
// clang-format on
