#pragma once

#include <string>
#include <string_view>

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

// Lists the entries whose root, lower-cased, equals the spell's, each with a
// link to its dictionary page, on the console and in
// spellbook/Results/conroots_<root>.txt.
RootSearch consonantalRootSearch(const Dictionary& dictionary, std::string_view spell,
                                 Console& console);
