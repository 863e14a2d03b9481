#include "search/ValueSearch.h"

#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "search/SearchResult.h"
#include "text/Ascii.h"
#include "wordlist/Dictionary.h"

std::vector<std::string> splitSearchString(std::string_view searchString) {
  std::vector<std::string> pieces;
  std::string piece;
  for (char c : searchString) {
    if (c == '/') {
      pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c;
    }
  }
  if (!piece.empty()) pieces.push_back(piece);
  return pieces;
}

SearchTerm parseSearchTerm(std::string_view rawTerm) {
  SearchTerm term;
  int64_t value = 0;
  for (char c : rawTerm) {
    if (isLetter(static_cast<unsigned char>(c))) {
      term.cypherTag += c;
    } else if (isDigit(static_cast<unsigned char>(c))) {
      term.valueText += c;
      // Past the largest total a term can never match; stop growing there.
      if (term.inRange) value = value * 10 + (c - '0');
      if (value > INT32_MAX) term.inRange = false;
    }
  }
  term.value = term.inRange ? static_cast<int32_t>(value) : 0;
  return term;
}

bool recogniseSearchTerm(SearchTerm& term, const CypherSet& cyphers) {
  const Cypher* cypher = cyphers.findByTag(term.cypherTag);
  if (cypher == nullptr) return false;
  const size_t place = cyphers.indexOf(*cypher);
  // A spell carries no fibonacci total, so there is nothing to compare.
  if (cyphers.isBuiltIn(*cypher) && place >= kSpellCyphers) return false;
  term.cypherTag = cypher->defaultTag;
  term.cypher = cypher;
  if (place < kSpellCyphers) term.column = place;
  return true;
}

namespace {

// "**33** ord / **21** red"
std::string termList(const std::vector<SearchTerm>& terms) {
  std::string list;
  for (size_t i = 0; i < terms.size(); ++i) {
    if (i > 0) list += " / ";
    list += "**" + terms[i].valueText + "** " + terms[i].cypherTag;
  }
  return list;
}

}  // namespace

bool termMatches(const SearchTerm& term, const Dictionary& dictionary, size_t entry) {
  if (term.cypher == nullptr || !term.inRange) return false;
  if (term.column == SIZE_MAX) return totalOf(*term.cypher, dictionary.text(entry)) == term.value;
  if (dictionary.total(entry, static_cast<Method>(term.column)) != term.value) return false;
  return term.cypher->condition != MatchCondition::capitals ||
         (dictionary.flagColumn()[entry] & kHoldsCapital) != 0;
}

bool entryMatches(const std::vector<SearchTerm>& terms, const Dictionary& dictionary,
                  size_t entry) {
  for (const SearchTerm& term : terms) {
    if (!termMatches(term, dictionary, entry)) return false;
  }
  return true;
}

bool valueSearch(const Dictionary& dictionary, std::string_view searchString,
                 const CypherSet& cyphers, const std::string& resultsFolder, Console& console) {
  std::vector<SearchTerm> terms;
  std::string termKey;
  if (searchString.empty()) {
    console.write("Dictionary mode...");
  } else {
    console.write("Search mode:");
    const std::vector<std::string> rawTerms = splitSearchString(searchString);
    console.format("  number of search terms: %d\n", static_cast<int>(rawTerms.size()));
    console.write("  search terms:");
    for (const std::string& rawTerm : rawTerms) {
      console.format("    %s\n", rawTerm.c_str());
      SearchTerm term = parseSearchTerm(rawTerm);
      console.format(" [%s]:[%s]=[%u]\n", term.cypherTag.c_str(), term.valueText.c_str(),
                     static_cast<unsigned>(term.value));
      termKey += term.valueText + term.cypherTag;
      recogniseSearchTerm(term, cyphers);
      terms.push_back(std::move(term));
    }
  }
  const std::string list = termList(terms);
  SearchResult result;
  for (size_t entry = 0; entry < dictionary.size(); ++entry) {
    if (!entryMatches(terms, dictionary, entry)) continue;
    const std::string_view text = dictionary.text(entry);
    result.shown.append("MATCH: \"").append(text).append("\" = ").append(searchString) += '\n';
    result.written.append("* *\"").append(text).append("\"* = ").append(list) += '\n';
  }
  if (!publishSearchResult(resultsFolder, "output_" + termKey + ".txt", Announce::no, result,
                           console)) {
    return false;
  }
  console.line("Done.");
  return true;
}
