#pragma once

#include <string>
#include <string_view>

#include "search/SearchResult.h"

class Console;

// The text without its white space, digits and lower-case vowels. Capital
// vowels stay: "Apple" has the root "Appl", "apple" the root "ppl".
std::string consonantalRoot(std::string_view text);

// The entries whose root, lower-cased, equals root lower-cased, offered one by
// one; each gets a link to its dictionary page in the result file.
class RootMatches {
 public:
  explicit RootMatches(std::string_view root);
  void offer(std::string_view text);
  const SearchResult& result() const { return found; }
  // Lists them on the console and in conroots_<root>.txt among the results.
  // False when the file cannot be opened or written.
  bool publish(const std::string& resultsFolder, Console& console);

 private:
  std::string root, lowerRoot;
  SearchResult found;
};
