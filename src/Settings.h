#pragma once

#include <string>

// Process-wide settings of one run. main sets them before each mode starts;
// nothing resets them.
extern bool silent;           // calculators and renderers print nothing
extern bool comprehensive;    // long, coloured lines instead of the short form
extern bool outputHTMLPages;  // match reports as HTML pages instead of text
extern std::string theWord;
extern std::string theMethod;
extern const std::string spellbookDirectoryTitle;
extern const std::string outputDirectoryPath;
