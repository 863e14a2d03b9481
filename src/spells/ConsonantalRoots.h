#pragma once

#include <string>
#include <string_view>

class Console;
class Dictionary;

// The text without its white space, digits and lower-case vowels. Capital
// vowels stay: "Apple" has the root "Appl", "apple" the root "ppl".
std::string consonantalRoot(std::string_view text);

// Lists the entries whose root, lower-cased, equals the spell's, each with a
// link to its dictionary page, on the console and in
// spellbook/Results/conroots_<root>.txt. False when the root is empty or the
// file cannot be written.
bool consonantalRootSearch(const Dictionary& dictionary, std::string_view spell, Console& console);
