#include "cyphers/Sexception.h"

#include "cyphers/Alphabet.h"

namespace {

// English Reduced, but S keeps the value 10.
int32_t valueOf(unsigned char byte) {
  if (upper(byte) == 'S') return 10;
  return isDigit(byte) ? byte - '0' : digitalRootOf(alphabetPosition(byte));
}

}  // namespace

// clang-format off
const BuiltInCypher kSexception = {
    Method::sexception, "Sexception", "S-exception",
    Colour::red, "  s-except:  ", "s",
    {"s", "sex", "sexp", "s-exp", "s-exception", "sexception"}, "s",
    1, MatchCondition::sLetters, 0, valueOf};
// clang-format on
