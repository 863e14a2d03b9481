#include <cstdlib>
#include <string>

#include "archive/Archive.h"
#include "cyphers/CypherSet.h"
#include "io/Console.h"
#include "modes/Modes.h"
#include "search/ConsonantalRoots.h"
#include "search/ReductionSearch.h"
#include "search/ValueSearch.h"
#include "wordlist/Dictionary.h"
#include "wordlist/ListStream.h"

namespace {

// Whether a term of the search names no built-in cypher, so that the user's
// own cyphers are needed to recognise it.
bool needsOwnCyphers(std::string_view searchString, const CypherSet& builtIns) {
  for (const std::string& raw : splitSearchString(searchString)) {
    if (builtIns.findByTag(parseSearchTerm(raw).cypherTag) == nullptr) return true;
  }
  return false;
}

// Which list a value search looks through.
enum class Searched { wordList, spellbook };

int findIn(const Invocation& run, Searched searched) {
  CypherSet cyphers;
  std::string error;
  if (needsOwnCyphers(run.operand(), cyphers) && !cyphers.readOwn(run.tree.cyphers, error)) {
    run.console.line(error);
    return kFailure;
  }
  ValueSearch search(run.operand(), cyphers);
  const bool read = readListWithProgress(
      searched == Searched::wordList ? run.tree.wordList : run.tree.userSpellbook,
      searched == Searched::wordList ? Dictionary::HashLines::entries
                                     : Dictionary::HashLines::comments,
      run.console,
      [&search](std::string_view text, const SpellTotals& totals) { search.offer(text, totals); });
  if (!read) {
    run.console.line("ERROR: failed to load dictionary files for search operation.");
    return kFailure;
  }
  if (!search.publish(run.tree.reports.results, run.console)) {
    run.console.line("ERROR: problem running dictionary search.");
    return kFailure;
  }
  return kSuccess;
}

// atoi's reading (leading blanks, a sign, digits up to the first other
// character; none gives 0), but held to the int range instead of overflowing.
int32_t readNumber(std::string_view text) {
  const std::string copy(text);
  const long long value = strtoll(copy.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

}  // namespace

int findInWordList(const Invocation& run) { return findIn(run, Searched::wordList); }

int findInSpellbook(const Invocation& run) { return findIn(run, Searched::spellbook); }

int showConsonantalRoot(const Invocation& run) {
  const std::string_view spell = run.operand();
  run.console.write("Examining consonantal root of '");
  run.console.write(spell);
  run.console.write("':'\n");
  // Only this mode shows the root; the root search is silent about it.
  run.console.write("Result: " + consonantalRoot(spell) + "\n");
  archiveSpell(spell, run.tree.userSpellbook, run.console);
  return kSuccess;
}

int matchConsonantalRoot(const Invocation& run) {
  const std::string_view spell = run.operand();
  run.console.write("Perform dictionary matching with consonantal root of '");
  run.console.write(spell);
  run.console.write("':'\n");
  const std::string root = consonantalRoot(spell);
  RootMatches matches(root);
  if (!readListWithProgress(
          run.tree.wordList, Dictionary::HashLines::entries, run.console,
          [&matches](std::string_view text, const SpellTotals&) { matches.offer(text); })) {
    run.console.line("ERROR: failed to load dictionary files for consonantal matching operation.");
    return kFailure;
  }
  // A spell without a root has nothing to search for: not a failure.
  if (root.empty()) {
    run.console.line("Consonantal root extraction returned empty string.");
  } else if (!matches.publish(run.tree.reports.results, run.console)) {
    return kFailure;
  }
  archiveSpell(spell, run.tree.userSpellbook, run.console);
  return kSuccess;
}

int matchReduction(const Invocation& run) {
  const int32_t number = readNumber(run.operand());
  run.console.format("Perform dictionary matching for spells with reductions of '%d':'\n", number);
  ReductionMatches matches(number);
  if (!readListWithProgress(run.tree.wordList, Dictionary::HashLines::entries, run.console,
                            [&matches](std::string_view text, const SpellTotals& totals) {
                              matches.offer(text, totals);
                            })) {
    // The reduction search shares the root search's failure line.
    run.console.line("ERROR: failed to load dictionary files for consonantal matching operation.");
    return kFailure;
  }
  return matches.publish(run.tree.reports.results, run.console) ? kSuccess : kFailure;
}
