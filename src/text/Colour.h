#pragma once

#include <string>
#include <string_view>

// Console colours. Colour::none paints nothing; Colour::reset is the code that
// ends a colour.
enum class Colour : unsigned char { none, red, green, yellow, blue, magenta, cyan, reset };

// The escape codes of a run: every code is empty when the user asked for no
// colour (NO_COLOR), so that text comes out the same, byte for byte, without them.
class Palette {
 public:
  explicit Palette(bool enabled);

  std::string_view code(Colour colour) const { return codes[static_cast<size_t>(colour)]; }
  // colour, text, then a reset unless colour is Colour::none.
  void paint(std::string& out, Colour colour, std::string_view text) const;
  // The same at, giving the place after it; at has room for text and 9 bytes.
  char* paint(char* at, Colour colour, std::string_view text) const;

 private:
  std::string_view codes[8];
};
