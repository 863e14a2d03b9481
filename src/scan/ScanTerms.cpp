#include "scan/ScanTerms.h"

#include "cyphers/CypherSet.h"
#include "text/Ascii.h"

namespace {

// One run of digits and one of letters, in either order.
bool wellShaped(std::string_view term) {
  size_t runs = 0;
  bool inDigits = false;
  for (size_t i = 0; i < term.size(); ++i) {
    const auto c = static_cast<unsigned char>(term[i]);
    if (!isDigit(c) && !isLetter(c)) return false;
    if (i == 0 || isDigit(c) != inDigits) ++runs;
    inDigits = isDigit(c);
  }
  return runs == 2;
}

std::string quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

}  // namespace

bool parseScanTerms(std::string_view text, std::vector<SearchTerm>& terms, std::string& error) {
  terms.clear();
  size_t start = 0;
  for (;;) {
    const size_t slash = text.find('/', start);
    const std::string_view raw = text.substr(
        start, slash == std::string_view::npos ? std::string_view::npos : slash - start);
    if (raw.empty()) {
      error =
          text.empty() ? "ERROR: no search terms" : "ERROR: empty search term in " + quoted(text);
      return false;
    }
    if (!wellShaped(raw)) {
      error = "ERROR: malformed search term " + quoted(raw) +
              ": a term is a value and a cypher tag of letters, such as 33ord or 21revred";
      return false;
    }
    SearchTerm term = parseSearchTerm(raw);
    if (!term.inRange) {
      error = "ERROR: search term " + quoted(raw) + ": the value exceeds any total (2147483647)";
      return false;
    }
    terms.push_back(std::move(term));
    if (slash == std::string_view::npos) return true;
    start = slash + 1;
  }
}

bool needsOwnCyphers(const std::vector<SearchTerm>& terms) {
  static const CypherSet builtIns;
  for (const SearchTerm& term : terms) {
    if (builtIns.findByTag(term.cypherTag) == nullptr) return true;
  }
  return false;
}

bool recogniseScanTerms(std::vector<SearchTerm>& terms, const CypherSet& cyphers,
                        std::string& error) {
  std::vector<std::string> typed;  // each term as typed, value first
  for (SearchTerm& term : terms) {
    typed.push_back(term.valueText + term.cypherTag);
    if (recogniseSearchTerm(term, cyphers)) continue;
    const Cypher* cypher = cyphers.findByTag(term.cypherTag);
    error = cypher == nullptr ? "ERROR: no cypher has the tag " + quoted(term.cypherTag)
                              : "ERROR: " + cypher->name + " totals are never searched (tag " +
                                    quoted(term.cypherTag) + ")";
    return false;
  }
  // One cypher's total cannot have two values.
  for (size_t i = 0; i < terms.size(); ++i) {
    for (size_t j = 0; j < i; ++j) {
      if (terms[i].cypher != terms[j].cypher || terms[i].value == terms[j].value) continue;
      error = "ERROR: search terms " + quoted(typed[j]) + " and " + quoted(typed[i]) +
              " ask for two totals in " + terms[i].cypher->name;
      return false;
    }
  }
  return true;
}
