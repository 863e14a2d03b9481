#include "search/SearchResult.h"

#include "io/Console.h"
#include "io/ResultFile.h"

bool publishSearchResult(const std::string& folder, const std::string& name, Announce announce,
                         const SearchResult& result, Console& console) {
  ResultFile file(folder, name, ResultFile::Mode::overwrite);
  if (announce == Announce::path) console.format("Output file will be: %s\n", file.path().c_str());
  if (!file.isOpen()) {
    console.format("ERROR: failed to open output file (%s)\n", file.path().c_str());
    return false;
  }
  console.write(result.shown);
  file.write(result.written);
  return finishResultFile(file, console);
}
