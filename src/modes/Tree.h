#pragma once

#include <string>
#include <string_view>

#include "match/ReportWriter.h"

// Where a run reads and writes: the spellbook tree below one folder.
struct Tree {
  std::string root;           // "" for the folder the run started in, else a folder ending in "/"
  std::string wordList;       // read only
  std::string userSpellbook;  // every analysed spell, once; it only grows
  std::string cyphers;        // the user's own cyphers, a .txt file each
  std::string details;        // details files, by total
  ReportPlaces reports;       // result files and match reports

  // The tree below root: "" for the folder the run started in, else a folder
  // path ending in "/".
  static Tree below(std::string_view root);
};
