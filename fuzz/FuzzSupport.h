#pragma once
// Shared by the fuzz harnesses: a private scratch folder to run in, a
// console that goes nowhere, and a way to cut one input into several.
#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "io/Console.h"

// Makes a private folder with the spellbook tree and works in it from then on,
// so that whatever a harness writes stays there. Called once.
inline void enterScratchFolder() {
  static const bool entered = [] {
    char pattern[] = "/tmp/veriglyph-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr || chdir(pattern) != 0) abort();
    mkdir("spellbook", 0700);
    mkdir("spellbook/Results", 0700);
    mkdir("spellbook/ResultsHTML", 0700);
    return true;
  }();
  (void)entered;
}

// Removes what the searches wrote into spellbook/Results, so that a long run
// does not fill the disk.
inline void clearResults() {
  DIR* folder = opendir("spellbook/Results");
  if (folder == nullptr) return;
  while (const dirent* entry = readdir(folder)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") unlink(("spellbook/Results/" + name).c_str());
  }
  closedir(folder);
}

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
