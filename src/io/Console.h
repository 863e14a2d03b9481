#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "text/Colour.h"

// Where a run's messages and results go, with the run's colours.
class Console {
 public:
  Console(FILE* stream, Palette palette) : stream(stream), colours(palette) {}

  void write(std::string_view text) { fwrite(text.data(), 1, text.size(), stream); }
  void line(std::string_view text) {
    write(text);
    putc('\n', stream);
  }
  void format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Makes what was written so far visible before a long step.
  void flush() { fflush(stream); }
  const Palette& palette() const { return colours; }

 private:
  FILE* stream;
  Palette colours;
};
