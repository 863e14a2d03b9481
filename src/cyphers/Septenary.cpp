#include "cyphers/Septenary.h"

#include "cyphers/Alphabet.h"

namespace {

// Up from 1 to 7 and back down, twice: A-G 1-7, H-M 6-1, N-T 1-7, U-Z 6-1.
constexpr Alphabet kLetters = {1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1,
                               1, 2, 3, 4, 5, 6, 7, 6, 5, 4, 3, 2, 1};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte); }

}  // namespace

// clang-format off
const BuiltInCypher kSeptenary = {
    Method::septenary, "Septenary", "Septenary",
    Colour::green, "  septenary: ", "sept",
    {"sept", "spt", "septenary"}, "sept",
    1, MatchCondition::always, 0, valueOf};
// clang-format on
