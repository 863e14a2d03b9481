#include "search/ReductionSearch.h"

#include <string>

#include "Layout.h"
#include "io/Console.h"
#include "io/ResultFile.h"
#include "wordlist/Dictionary.h"

bool reductionSearch(const Dictionary& dictionary, int32_t number, Console& console) {
  ResultFile file(kResultsFolder, "reduction_" + std::to_string(number) + ".txt",
                  ResultFile::Mode::overwrite);
  console.format("Output file will be: %s\n", file.path().c_str());
  if (!file.isOpen()) {
    console.format("ERROR: failed to open output file (%s)\n", file.path().c_str());
    return false;
  }
  std::string shown, written;
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
  console.write(shown);
  file.write(written);
  return finishResultFile(file, console);
}
