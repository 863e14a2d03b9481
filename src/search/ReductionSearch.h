#pragma once

#include <cstdint>
#include <string>

#include "search/SearchResult.h"

class Console;
class Dictionary;

// The entries whose digital root is number, and a line for each entry whose
// roots cannot be worked out.
SearchResult reductionMatches(const Dictionary& dictionary, int32_t number);
// Lists them on the console and in reduction_<number>.txt among the results.
// False when the file cannot be written.
bool reductionSearch(const Dictionary& dictionary, int32_t number, const std::string& resultsFolder,
                     Console& console);
