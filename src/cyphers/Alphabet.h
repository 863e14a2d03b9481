#pragma once

#include <array>
#include <cstdint>

#include "text/Ascii.h"

// The values of the letters A to Z, in alphabet order.
using Alphabet = std::array<int32_t, 26>;

// What most cyphers give a byte: a letter (either case) its alphabet value, a
// digit its face value, "&" the given value, and anything else 0.
inline constexpr int32_t alphabetValue(const Alphabet& letters, unsigned char byte,
                                       int32_t ampersand = 0) {
  if (isLetter(byte)) return letters[upper(byte) - 'A'];
  if (isDigit(byte)) return byte - '0';
  return byte == '&' ? ampersand : 0;
}

// A letter's place in the alphabet, A = 1 ... Z = 26, either case; 0 for any
// other byte.
inline constexpr int32_t alphabetPosition(unsigned char byte) {
  return isLetter(byte) ? upper(byte) - 'A' + 1 : 0;
}

// The digital root of a small positive number.
inline constexpr int32_t digitalRootOf(int32_t n) { return n == 0 ? 0 : 1 + (n - 1) % 9; }
