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

bool termMatches(const SearchTerm& term, std::string_view text, const SpellTotals& totals) {
  if (term.cypher == nullptr || !term.inRange) return false;
  if (term.column == SIZE_MAX) return totalOf(*term.cypher, text) == term.value;
  if (totals.totals[term.column] != term.value) return false;
  return term.cypher->condition != MatchCondition::capitals || totals.holds(kHoldsCapital);
}

bool entryMatches(const std::vector<SearchTerm>& terms, std::string_view text,
                  const SpellTotals& totals) {
  for (const SearchTerm& term : terms) {
    if (!termMatches(term, text, totals)) return false;
  }
  return true;
}

bool entryMatches(const std::vector<SearchTerm>& terms, const Dictionary& dictionary,
                  size_t entry) {
  return entryMatches(terms, dictionary.text(entry), dictionary.totals(entry));
}

std::vector<SearchTerm> searchTerms(std::string_view searchString, const CypherSet& cyphers) {
  std::vector<SearchTerm> terms;
  for (const std::string& raw : splitSearchString(searchString)) {
    terms.push_back(parseSearchTerm(raw));
    recogniseSearchTerm(terms.back(), cyphers);
  }
  return terms;
}

ValueSearch::ValueSearch(std::string_view searchString, const CypherSet& cyphers)
    : searchString(searchString),
      terms(searchTerms(searchString, cyphers)),
      list(termList(terms)) {}

void ValueSearch::offer(std::string_view text, const SpellTotals& totals) {
  if (!entryMatches(terms, text, totals)) return;
  found.shown.append("MATCH: \"").append(text).append("\" = ").append(searchString) += '\n';
  found.written.append("* *\"").append(text).append("\"* = ").append(list) += '\n';
}

bool ValueSearch::publish(const std::string& resultsFolder, Console& console) const {
  // How the terms were read, as typed, and the result file named after them.
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
      const SearchTerm term = parseSearchTerm(rawTerm);
      console.format(" [%s]:[%s]=[%u]\n", term.cypherTag.c_str(), term.valueText.c_str(),
                     static_cast<unsigned>(term.value));
      termKey += term.valueText + term.cypherTag;
    }
  }
  if (!publishSearchResult(resultsFolder, "output_" + termKey + ".txt", Announce::no, found,
                           console)) {
    return false;
  }
  console.line("Done.");
  return true;
}
