#include "cyphers/Utf8.h"

size_t decodeUtf8(const unsigned char* text, size_t size, char32_t& codePoint, bool& valid) {
  codePoint = 0xFFFD;
  valid = false;
  if (size == 0) return 0;
  const unsigned char lead = text[0];
  if (lead < 0x80) {
    codePoint = lead;
    valid = true;
    return 1;
  }
  // The length a lead byte announces and the range its second byte must lie in: the narrow ranges
  // after E0, ED, F0 and F4 rule out overlong forms, surrogates and values above U+10FFFF.
  size_t length;
  unsigned char low = 0x80, high = 0xBF;
  char32_t value;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, value = lead & 0x1Fu;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, value = lead & 0x0Fu;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, value = lead & 0x07u;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 1;  // a continuation byte, C0/C1 (always overlong) or F5..FF
  }
  if (size < length) return 1;
  for (size_t i = 1; i < length; ++i) {
    const unsigned char next = text[i];
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 1;
    value = (value << 6) | (next & 0x3Fu);
  }
  codePoint = value;
  valid = true;
  return length;
}
