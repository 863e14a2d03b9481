#include "cyphers/OldEnglish.h"

#include "cyphers/Alphabet.h"

namespace {

// A 24-letter count in which I and J share 9, and U and V share 20.
constexpr Alphabet kLetters = {1,  2,  3,  4,  5,  6,  7,  8,  9,  9,  10, 11, 12,
                               13, 14, 15, 16, 17, 18, 19, 20, 20, 21, 22, 23, 24};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte); }

}  // namespace

// clang-format off
const BuiltInCypher kOldEnglish = {
    Method::oldEnglish, "OldEnglish", "Old English",
    Colour::none, "  old-eng:   ", "",
    {"oe", "oeng", "old-eng", "old-english"}, "oe",
    1, MatchCondition::always, 8, valueOf};
// clang-format on
