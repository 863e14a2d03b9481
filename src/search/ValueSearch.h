#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class Console;
class CypherSet;
class Dictionary;
struct Cypher;

// One term of a value search such as "33ord".
struct SearchTerm {
  std::string cypherTag;  // the letters as typed; once recognised, the cypher's default tag
  std::string valueText;  // the digits as typed
  int32_t value = 0;      // 0 when there are no digits
  bool inRange = true;    // false when the digits exceed any total: never matches
  const Cypher* cypher = nullptr;  // the recognised cypher
  size_t column = SIZE_MAX;        // its column in the dictionary, if it has one
};

// The raw terms between slashes; an empty one counts, except at the very end.
std::vector<std::string> splitSearchString(std::string_view searchString);
SearchTerm parseSearchTerm(std::string_view rawTerm);
// Finds the cypher the typed tag names and turns the tag into its default
// tag. The built-in cyphers a spell carries come first, then the user's own;
// false when none takes the tag.
bool recogniseSearchTerm(SearchTerm& term, const CypherSet& cyphers);

// Whether the entry's total in the term's cypher is the term's value (for the
// cyphers that need capitals, only in an entry with one). A term that names no
// cypher, or a value past any total, matches nothing.
bool termMatches(const SearchTerm& term, const Dictionary& dictionary, size_t entry);
bool entryMatches(const std::vector<SearchTerm>& terms, const Dictionary& dictionary, size_t entry);

// Lists every entry whose totals match every term ("33ord/21red/40rev") on
// the console and in output_<terms>.txt among the results.
bool valueSearch(const Dictionary& dictionary, std::string_view searchString,
                 const CypherSet& cyphers, const std::string& resultsFolder, Console& console);
