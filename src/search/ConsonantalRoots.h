#pragma once

#include <string>
#include <string_view>

#include "search/SearchResult.h"

class Console;
class Dictionary;

// The text without its white space, digits and lower-case vowels. Capital
// vowels stay: "Apple" has the root "Appl", "apple" the root "ppl".
std::string consonantalRoot(std::string_view text);

enum class RootSearch {
  written,
  emptyRoot,  // nothing to search for; not a failure
  failed,     // the result file could not be opened or written
};

// The entries whose root, lower-cased, equals root lower-cased, each with a
// link to its dictionary page in the file's lines.
SearchResult rootMatches(const Dictionary& dictionary, std::string_view root);
// Lists the entries that share the spell's root on the console and in
// conroots_<root>.txt among the results.
RootSearch consonantalRootSearch(const Dictionary& dictionary, std::string_view spell,
                                 const std::string& resultsFolder, Console& console);
