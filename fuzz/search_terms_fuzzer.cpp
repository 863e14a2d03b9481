// The value search's term parser: splitting, reading and recognising terms.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherSet.h"
#include "search/ValueSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const CypherSet cyphers;
  const std::string_view searchString(reinterpret_cast<const char*>(data), size);
  for (const std::string& raw : splitSearchString(searchString)) {
    if (raw.find('/') != std::string::npos) abort();
    SearchTerm term = parseSearchTerm(raw);
    if (term.cypherTag.size() + term.valueText.size() > raw.size()) abort();
    if (recogniseSearchTerm(term, cyphers) && term.cypher == nullptr) abort();
  }
  return 0;
}
