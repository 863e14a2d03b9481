#pragma once

#include <string>

class Console;

// What a search found: the lines it shows on the console, and the lines of its
// result file.
struct SearchResult {
  std::string shown, written;
};

// Whether the result file's path is announced before it is opened.
enum class Announce { no, path };

// Shows a search's result and writes its file, name in folder, overwritten on
// purpose: the same question gives the same file. False, with the ERROR line,
// when the file cannot be opened or written completely.
bool publishSearchResult(const std::string& folder, const std::string& name, Announce announce,
                         const SearchResult& result, Console& console);
