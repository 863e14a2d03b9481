#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "text/Colour.h"

// Where a run's messages and results go, with the run's colours: a stream (the
// terminal), or a text in memory, so that one process can answer many
// questions and keep each answer apart.
class Console {
 public:
  // unseen: the stream goes nowhere anyone reads (/dev/null), so that text
  // which is costly to make and only shown may be left unmade.
  Console(FILE* stream, Palette palette, bool unseen = false)
      : stream(stream), colours(palette), nobodyReads(unseen) {}
  Console(std::string& text, Palette palette) : text(&text), colours(palette) {}

  void write(std::string_view bytes) {
    if (text != nullptr) {
      text->append(bytes);
    } else {
      fwrite(bytes.data(), 1, bytes.size(), stream);
    }
  }
  void line(std::string_view bytes) {
    write(bytes);
    write("\n");
  }
  void format(const char* format, ...) __attribute__((format(printf, 2, 3)));
  // Makes what was written so far visible before a long step.
  void flush() {
    if (stream != nullptr) fflush(stream);
  }
  const Palette& palette() const { return colours; }
  bool unseen() const { return nobodyReads; }

 private:
  FILE* stream = nullptr;
  std::string* text = nullptr;
  Palette colours;
  bool nobodyReads = false;
};
