#include "text/Colour.h"

#include <cstring>

#include "text/TextBuffer.h"

Palette::Palette(bool enabled) {
  static constexpr std::string_view kCodes[] = {"",         "\033[31m", "\033[32m", "\033[33m",
                                                "\033[34m", "\033[35m", "\033[36m", "\033[0m"};
  for (size_t c = 0; c < 8; ++c) codes[c] = enabled ? kCodes[c] : std::string_view();
}

void Palette::paint(std::string& out, Colour colour, std::string_view text) const {
  out += code(colour);
  out += text;
  if (colour != Colour::none) out += code(Colour::reset);
}

char* Palette::paint(char* at, Colour colour, std::string_view text) const {
  at = TextBuffer::put(at, code(colour));
  at = TextBuffer::put(at, text);
  return colour == Colour::none ? at : TextBuffer::put(at, code(Colour::reset));
}
