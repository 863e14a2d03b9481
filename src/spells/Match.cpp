#include "spells/Match.h"

#include <algorithm>

#include "cyphers/Cyphers.h"
#include "io/Console.h"
#include "io/ResultFile.h"
#include "spells/Dictionary.h"
#include "spells/MatchReport.h"
#include "spells/ReportFile.h"

void MatchGroups::clear() {
  for (std::vector<uint32_t>& group : byScore) group.clear();
  prime.clear();
}

MatchPlan::MatchPlan(const Dictionary& dictionary, const SpellTotals& phrase)
    : flags(dictionary.flagColumn()),
      primes(dictionary.column(Method::primes)),
      phrasePrimes(phrase[Method::primes]) {
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    const Method method = static_cast<Method>(m);
    const Cypher& cypher = builtIn(method);
    if (phrase[method] == 0) continue;  // a zero total never counts
    uint8_t needs = 0;
    switch (cypher.condition) {
      case MatchCondition::always:
        break;
      case MatchCondition::kvLetters:
        if (!phrase.holds(kHoldsKV)) continue;
        needs = kKVCounts;
        break;
      case MatchCondition::sLetters:
        if (!phrase.holds(kHoldsS)) continue;
        needs = kHoldsS;
        break;
      case MatchCondition::capitals:
        if (!phrase.holds(kHoldsCapital)) continue;
        needs = kHoldsCapital;
        break;
    }
    terms[termCount++] = {dictionary.column(method), phrase[method], cypher.weight, needs};
  }
}

void MatchPlan::score(size_t first, size_t count, int32_t* scores) const {
  std::fill(scores, scores + count, 0);
  for (size_t t = 0; t < termCount; ++t) {
    const Term& term = terms[t];
    const int32_t* column = term.column + first;
    if (term.needs == 0) {
      for (size_t i = 0; i < count; ++i) scores[i] += column[i] == term.total ? term.weight : 0;
    } else {
      const uint8_t* entryFlags = flags + first;
      for (size_t i = 0; i < count; ++i) {
        scores[i] += (column[i] == term.total && (entryFlags[i] & term.needs)) ? term.weight : 0;
      }
    }
  }
}

void scoreEntries(const Dictionary& dictionary, const SpellTotals& phrase, MatchGroups& groups) {
  constexpr size_t kBlock = 1024;  // entries scored together, kept in the first-level cache
  groups.clear();
  const MatchPlan plan(dictionary, phrase);
  alignas(64) int32_t scores[kBlock];
  for (size_t first = 0; first < dictionary.size(); first += kBlock) {
    const size_t count = std::min(kBlock, dictionary.size() - first);
    plan.score(first, count, scores);
    for (size_t i = 0; i < count; ++i) {
      const uint32_t entry = static_cast<uint32_t>(first + i);
      if (scores[i] >= 2 && scores[i] <= kTopScore) groups.byScore[scores[i]].push_back(entry);
      if (plan.primeMatch(entry)) groups.prime.push_back(entry);
    }
  }
}

bool dictionaryMatch(const Dictionary& dictionary, std::string_view phrase, ReportFormat format,
                     Console& console) {
  console.write("Performing dictionary match against <");
  console.write(phrase);
  console.write(">\n");
  const SpellTotals totals = totalsOf(phrase);
  ResultFile file = openMatchReport(matchReportPlace(phrase, format), console);
  if (!file.isOpen()) return false;
  console.line("Looping through dictionary...\n-----------------------------");

  MatchGroups groups;
  scoreEntries(dictionary, totals, groups);
  std::string page, shown;
  appendMatchReport(page, shown, {dictionary, groups, phrase, totals, format, console.palette()});
  console.write(shown);
  file.write(page);
  if (!finishResultFile(file, console)) return false;
  console.line("-----------------------------\nDone.");
  return true;
}
