#include "cyphers/KFW.h"

#include "cyphers/Alphabet.h"

namespace {

// No arithmetic rule: the letters in the order of their values 1 to 26.
constexpr char kOrder[] = "KFWRMDYTAVQHCXOJELGBSNIZUP";

int32_t valueOf(unsigned char byte) {
  if (isLetter(byte)) {
    for (int32_t value = 1; value <= 26; ++value) {
      if (kOrder[value - 1] == upper(byte)) return value;
    }
  }
  return isDigit(byte) ? byte - '0' : 0;
}

}  // namespace

// clang-format off
const BuiltInCypher kKFW = {
    Method::kfw, "KFW", "KFW",
    Colour::red, "  kfw:       ", "kfw",
    {"kfw", "kfw-qabala", "kfw-qabalah"}, "kfw",
    1, MatchCondition::always, 0, valueOf};
// clang-format on
