#pragma once
// Shared by the unit tests: a console that writes into a string, escape codes
// written readably, and a scratch working folder.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <regex>
#include <string>

#include "io/Console.h"

// What body wrote on a console, coloured unless colour is false.
inline std::string consoleText(const std::function<void(Console&)>& body, bool colour = true) {
  std::string text;
  Console console(text, Palette(colour));
  body(console);
  return text;
}

// "^36" stands for the escape code ESC [ 36 m.
inline std::string ansi(const std::string& text) {
  static const std::regex code("\\^(\\d+)");
  return std::regex_replace(text, code, "\x1b[$1m");
}

inline std::string readFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Runs a test in a fresh folder of its own, and goes back afterwards.
class WorkingFolder {
 public:
  WorkingFolder() : home(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "veriglyph-unit-XXXXXX");
    folder = mkdtemp(pattern.data());
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() {
    std::filesystem::current_path(home);
    std::filesystem::remove_all(folder);
  }
  // Writes a file below the folder, making its folders.
  void write(const std::string& path, const std::string& bytes) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::ofstream(path, std::ios::binary) << bytes;
  }

 private:
  std::filesystem::path home, folder;
};
