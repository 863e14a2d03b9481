// A word list and a spellbook from the input, loaded, then every search and
// the match over what was loaded. The searches and the match are asked as
// functions, so nothing is written anywhere.
#include <cstdlib>

#include "FuzzSupport.h"
#include "cyphers/CypherSet.h"
#include "match/MatchReport.h"
#include "match/Scoring.h"
#include "search/ConsonantalRoots.h"
#include "search/ReductionSearch.h"
#include "search/ValueSearch.h"
#include "wordlist/Dictionary.h"

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
  const SpellTotals totals = totalsOf(phrase);
  const CypherSet cyphers;
  ValueSearch search(phrase, cyphers);
  RootMatches roots(consonantalRoot(phrase));
  ReductionMatches reductions(static_cast<int32_t>(phrase.size()) - 2);
  StreamedMatch streamed(totals);
  for (size_t i = 0; i < dictionary.size(); ++i) {
    const std::string_view text = dictionary.text(i);
    search.offer(text, dictionary.totals(i));
    roots.offer(text);
    reductions.offer(text, dictionary.totals(i));
    streamed.offer(text, dictionary.totals(i));
  }

  // The match of a list read once lists what the column store's lists.
  MatchGroups groups;
  scoreEntries(dictionary, totals, groups);
  const auto sameGroup = [&](const std::vector<Listed>& whole, const std::vector<Listed>& once) {
    if (whole.size() != once.size()) abort();
    for (size_t i = 0; i < whole.size(); ++i) {
      if (dictionary.text(whole[i].entry) != streamed.listed().text(once[i].entry) ||
          whole[i].agreement != once[i].agreement) {
        abort();
      }
    }
  };
  for (int score = 0; score <= kTopScore; ++score) {
    sameGroup(groups.byScore[score], streamed.groups().byScore[score]);
  }
  sameGroup(groups.prime, streamed.groups().prime);
  for (ReportFormat format : {ReportFormat::text, ReportFormat::html}) {
    TextBuffer page, shown;
    appendMatchReport(page, shown, {dictionary, groups, phrase, totals, format, console.palette()});
  }
  return 0;
}
