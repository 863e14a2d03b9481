#pragma once
// Shared by the tests of a hostile environment: word lists from the shipped
// one, the files a run leaves, and whether memory limits can be set.
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "e2e/Scratch.h"

// Under a sanitizer the program needs far more address space than any
// memory limit a test sets, so such runs go without the limit.
#ifdef VERIGLYPH_SANITIZED
inline constexpr bool kMemoryLimitsApply = false;
#else
inline constexpr bool kMemoryLimitsApply = true;
#endif

// Every nth entry of the shipped word list (all start with an ASCII letter,
// so each page has its letter folder).
inline std::vector<std::string> shippedWords(size_t every) {
  std::ifstream list(std::string(VERIGLYPH_E2E_DIR) + "/../../" + kWordListRelative);
  std::vector<std::string> words;
  size_t n = 0;
  for (std::string line; std::getline(list, line); ++n) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (n % every == 0) words.push_back(line);
  }
  return words;
}

// The files below a folder of the scratch tree, by relative path, with their
// content; the .keep files of the shipped tree left out.
inline std::map<std::string, std::string> filesBelow(const Scratch& scratch,
                                                     const std::string& folder) {
  namespace fs = std::filesystem;
  std::map<std::string, std::string> files;
  const fs::path root = scratch.at(folder);
  for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
       ++it) {
    if (it->is_directory() || it->path().filename() == ".keep") continue;
    files[fs::relative(it->path(), root).string()] =
        it->is_symlink() ? "-> link" : readFileBytes(it->path().string());
  }
  return files;
}

// A page that ends as every page does was written whole.
inline bool wholePage(const std::string& page) {
  const std::string end = "</body></html>\n";
  return page.size() >= end.size() && page.compare(page.size() - end.size(), end.size(), end) == 0;
}
