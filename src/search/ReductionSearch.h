#pragma once

#include <cstdint>

class Console;
class Dictionary;

// Lists the entries whose digital root is number, on the console and in
// spellbook/Results/reduction_<number>.txt. False when the file cannot be
// written.
bool reductionSearch(const Dictionary& dictionary, int32_t number, Console& console);
