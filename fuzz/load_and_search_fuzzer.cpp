// A word list and a spellbook from the input, loaded, then every search and
// the match over what was loaded. The searches and the match are asked as
// functions, so nothing is written anywhere.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherSet.h"
#include "search/ConsonantalRoots.h"
#include "wordlist/Dictionary.h"
#include "match/MatchReport.h"
#include "search/ReductionSearch.h"
#include "search/ValueSearch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::string_view> parts = pieces(data, size);
  Dictionary dictionary;
  dictionary.appendFileBytes(piece(parts, 0), Dictionary::HashLines::entries);
  dictionary.appendFileBytes(piece(parts, 1), Dictionary::HashLines::comments);
  for (size_t i = 0; i < dictionary.size(); ++i) {
    const SpellTotals stored = dictionary.totals(i), fresh = totalsOf(dictionary.text(i));
    if (stored.totals != fresh.totals || stored.flags != fresh.flags) abort();
  }

  Console& console = nullConsole();
  const std::string_view phrase = piece(parts, 2);
  dictionary.add(phrase, totalsOf(phrase));  // an entry added on its own, as tests do
  const CypherSet cyphers;
  std::vector<SearchTerm> terms;
  for (const std::string& raw : splitSearchString(phrase)) {
    terms.push_back(parseSearchTerm(raw));
    recogniseSearchTerm(terms.back(), cyphers);
  }
  size_t found = 0;
  for (size_t i = 0; i < dictionary.size(); ++i) found += entryMatches(terms, dictionary, i);
  if (found > dictionary.size()) abort();
  rootMatches(dictionary, consonantalRoot(phrase));
  reductionMatches(dictionary, static_cast<int32_t>(phrase.size()) - 2);

  const SpellTotals totals = totalsOf(phrase);
  MatchGroups groups;
  scoreEntries(dictionary, totals, groups);
  for (ReportFormat format : {ReportFormat::text, ReportFormat::html}) {
    TextBuffer page, shown;
    appendMatchReport(page, shown, {dictionary, groups, phrase, totals, format, console.palette()});
  }
  return 0;
}
