#include "cyphers/JewishReduced.h"

#include "cyphers/Alphabet.h"

namespace {

// The leading digit of each Jewish value, "&" (800) included.
constexpr Alphabet kLetters = {1, 2, 3, 4, 5, 6, 7, 8, 9, 6, 1, 2, 3,
                               4, 5, 6, 7, 8, 9, 1, 2, 7, 9, 3, 4, 5};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte, 8); }

}  // namespace

// clang-format off
const BuiltInCypher kJewishReduced = {
    Method::jewishReduced, "JewishReduced", "Jewish Reduced",
    Colour::magenta, "  jew-red:   ", "jr",
    {"jr", "jewred", "jew-red", "jew-reduced", "jew-reduction", "jewish-reduced",
     "jewish-reduction", "agrippa-reduced", "jewish-red"}, "jr",
    1, MatchCondition::always, 0, valueOf};
// clang-format on
