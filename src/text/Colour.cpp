#include "text/Colour.h"

#include <cstdlib>

Palette Palette::fromEnvironment() {
  const char* noColour = getenv("NO_COLOR");
  return Palette(noColour == nullptr || noColour[0] == '\0');
}

std::string_view Palette::code(Colour colour) const {
  if (!enabled) return {};
  switch (colour) {
    case Colour::none:
      return {};
    case Colour::red:
      return "\033[31m";
    case Colour::green:
      return "\033[32m";
    case Colour::yellow:
      return "\033[33m";
    case Colour::blue:
      return "\033[34m";
    case Colour::magenta:
      return "\033[35m";
    case Colour::cyan:
      return "\033[36m";
    case Colour::reset:
      return "\033[0m";
  }
  return {};
}

void Palette::paint(std::string& out, Colour colour, std::string_view text) const {
  out += code(colour);
  out += text;
  if (colour != Colour::none) out += code(Colour::reset);
}
