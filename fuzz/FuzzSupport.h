#pragma once
// Shared by the fuzz harnesses: a console that goes nowhere, and a way to cut
// one input into several.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "io/Console.h"

inline Console& nullConsole(bool colour = true) {
  static FILE* nowhere = fopen("/dev/null", "w");
  static Console coloured(nowhere, Palette(true)), plain(nowhere, Palette(false));
  return colour ? coloured : plain;
}

// The input cut at each byte 0xFF: several texts from one input.
inline std::vector<std::string_view> pieces(const uint8_t* data, size_t size) {
  std::vector<std::string_view> parts;
  const char* text = reinterpret_cast<const char*>(data);
  size_t start = 0;
  for (size_t i = 0; i <= size; ++i) {
    if (i == size || data[i] == 0xFF) {
      parts.emplace_back(text + start, i - start);
      start = i + 1;
    }
  }
  return parts;
}

inline std::string_view piece(const std::vector<std::string_view>& parts, size_t i) {
  return i < parts.size() ? parts[i] : std::string_view();
}
