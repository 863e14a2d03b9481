#include "cyphers/EnglishExtended.h"

#include "cyphers/Alphabet.h"

namespace {

// Units, tens, hundreds: A-I 1-9, J-R 10-90, S-Z 100-800, "&" 900.
constexpr Alphabet kLetters = {1,  2,  3,  4,  5,  6,   7,   8,   9,   10,  20,  30,  40,
                               50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800};

int32_t valueOf(unsigned char byte) { return alphabetValue(kLetters, byte, 900); }

}  // namespace

// clang-format off
const BuiltInCypher kEnglishExtended = {
    Method::extended, "EnglishExtended", "English-Extended",
    Colour::yellow, "  eng-ext:   ", "eng-ext",
    {"ee", "ext", "engext", "eng-ext", "englishext", "english-ext", "englishextended", "english-extended"}, "eng-ext",
    3, MatchCondition::always, 6, valueOf};
// clang-format on
