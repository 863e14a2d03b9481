#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "search/SearchResult.h"
#include "wordlist/SpellTotals.h"

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
bool termMatches(const SearchTerm& term, std::string_view text, const SpellTotals& totals);
bool entryMatches(const std::vector<SearchTerm>& terms, std::string_view text,
                  const SpellTotals& totals);
bool entryMatches(const std::vector<SearchTerm>& terms, const Dictionary& dictionary, size_t entry);
// The terms of a search string, each recognised where a cypher takes it.
std::vector<SearchTerm> searchTerms(std::string_view searchString, const CypherSet& cyphers);

// A value search ("33ord/21red/40rev") over entries offered one by one: it
// lists every entry whose totals match every term, on the console and in
// output_<terms>.txt among the results.
class ValueSearch {
 public:
  // The search string and the cyphers must outlive the search.
  ValueSearch(std::string_view searchString, const CypherSet& cyphers);
  void offer(std::string_view text, const SpellTotals& totals);
  // Tells how the terms were read, then shows and writes what was found.
  // False when the result file cannot be opened or written.
  bool publish(const std::string& resultsFolder, Console& console) const;

 private:
  std::string_view searchString;
  std::vector<SearchTerm> terms;
  std::string list;  // the terms as the result file names them
  SearchResult found;
};
