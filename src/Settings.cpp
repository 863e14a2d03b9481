#include "Settings.h"

bool silent = false;
bool comprehensive = false;
bool outputHTMLPages = false;
std::string theWord;
std::string theMethod;
const std::string spellbookDirectoryTitle = "spellbook";
const std::string outputDirectoryPath = spellbookDirectoryTitle + "/Results";
