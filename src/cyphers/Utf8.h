#pragma once

#include <cstddef>

// Decodes the UTF-8 character at text[0..size). Returns the number of bytes it takes (1..4) and
// sets codePoint; for an invalid or truncated sequence, an overlong form, a surrogate
// (U+D800..DFFF) or a value above U+10FFFF, returns 1 and sets valid = false (the byte is one term
// of its own), with codePoint U+FFFD so that a caller that forgets to look at valid never takes the
// byte for a letter. An empty text returns 0, valid = false.
size_t decodeUtf8(const unsigned char* text, size_t size, char32_t& codePoint, bool& valid);
