#pragma once

// Byte tests of the C locale: only the ASCII letters are letters, whatever a
// spell's encoding.

inline constexpr bool isUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
inline constexpr bool isLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
inline constexpr bool isLetter(unsigned char c) { return isUpper(c) || isLower(c); }
inline constexpr bool isDigit(unsigned char c) { return c >= '0' && c <= '9'; }
inline constexpr unsigned char upper(unsigned char c) {
  return isLower(c) ? static_cast<unsigned char>(c - 'a' + 'A') : c;
}
inline constexpr unsigned char lower(unsigned char c) {
  return isUpper(c) ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}
