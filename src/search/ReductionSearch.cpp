#include "search/ReductionSearch.h"

#include <string>

#include "io/Console.h"
#include "search/SearchResult.h"
#include "wordlist/Dictionary.h"

SearchResult reductionMatches(const Dictionary& dictionary, int32_t number) {
  SearchResult result;
  std::string &shown = result.shown, &written = result.written;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    bool rootsDisagree = false;
    const int root = digitalRoot(dictionary.total(entry, Method::ordinal),
                                 dictionary.total(entry, Method::reduced), rootsDisagree);
    if (rootsDisagree) {
      // The text names the old record type; scripts that watch for it still find it.
      shown += "ERROR: Spell.digitalRoot() calculated differing digital roots, full vs. reduced.\n";
    }
    if (root == 0) {
      // No digital root: nothing to compare. The line says so, as it always has.
      shown += "ERROR calculating digital roots.\n";
    } else if (root == number) {
      const std::string_view text = dictionary.text(entry);
      shown.append("    ").append(text) += '\n';
      written.append("* ").append(text) += '\n';
    }
  }
  return result;
}

bool reductionSearch(const Dictionary& dictionary, int32_t number, const std::string& resultsFolder,
                     Console& console) {
  return publishSearchResult(resultsFolder, "reduction_" + std::to_string(number) + ".txt",
                             Announce::path, reductionMatches(dictionary, number), console);
}
