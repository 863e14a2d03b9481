#include "search/ReductionSearch.h"

#include <string>

#include "io/Console.h"

void ReductionMatches::offer(std::string_view text, const SpellTotals& totals) {
  bool rootsDisagree = false;
  const int root = digitalRoot(totals[Method::ordinal], totals[Method::reduced], rootsDisagree);
  if (rootsDisagree) {
    // The text names the old record type; scripts that watch for it still find it.
    found.shown +=
        "ERROR: Spell.digitalRoot() calculated differing digital roots, full vs. reduced.\n";
  }
  if (root == 0) {
    // No digital root: nothing to compare. The line says so, as it always has.
    found.shown += "ERROR calculating digital roots.\n";
  } else if (root == number) {
    found.shown.append("    ").append(text) += '\n';
    found.written.append("* ").append(text) += '\n';
  }
}

bool ReductionMatches::publish(const std::string& resultsFolder, Console& console) const {
  return publishSearchResult(resultsFolder, "reduction_" + std::to_string(number) + ".txt",
                             Announce::path, found, console);
}
