#include "serve/Answers.h"

#include "cyphers/CypherSet.h"
#include "match/Scoring.h"
#include "serve/ServeState.h"
#include "serve/Workspace.h"
#include "text/Ascii.h"
#include "text/Text.h"
#include "wordlist/Dictionary.h"

std::vector<std::string> searchTagsOf(const CypherSet& cyphers) {
  std::vector<std::string> tags;
  for (const Cypher& cypher : cyphers.all()) {
    tags.emplace_back();
    for (const std::string& tag : cypher.tags) {
      SearchTerm term;
      term.cypherTag = tag;
      bool letters = !tag.empty();
      for (const char c : tag) letters = letters && isLetter(static_cast<unsigned char>(c));
      if (letters && recogniseSearchTerm(term, cyphers) && term.cypher == &cypher) {
        tags.back() = tag;
        break;
      }
    }
  }
  return tags;
}

std::vector<CypherTotal> totalsIn(const ServeState& state, std::string_view spell) {
  const CypherSet& cyphers = state.cyphers();
  std::vector<CypherTotal> totals;
  totals.reserve(cyphers.all().size());
  const bool capitals = hasCapitals(spell);
  for (const Cypher& cypher : cyphers.all()) {
    const int32_t total = totalOf(cypher, spell);
    totals.push_back({&cypher, cyphers.isBuiltIn(cypher), total, reductionValue(total),
                      breakdownOf(cypher, spell),
                      cypher.condition != MatchCondition::capitals || capitals,
                      state.searchTag(cyphers.indexOf(cypher))});
  }
  return totals;
}

bool parseAgainst(std::string_view name, Against& against) {
  for (const Against each : {Against::words, Against::spellbook, Against::all}) {
    if (name == nameOf(each)) {
      against = each;
      return true;
    }
  }
  return false;
}

std::string_view nameOf(Against against) {
  switch (against) {
    case Against::spellbook:
      return "spellbook";
    case Against::all:
      return "all";
    default:
      return "words";
  }
}

MatchAnswer matchOf(const ServeState& state, std::string_view spell, Against against) {
  const WorkspaceLoan work;
  MatchGroups& groups = work->groups;
  MatchAnswer answer;
  const SpellTotals totals = totalsOf(spell);
  const Dictionary* dictionary = &state.words();
  if (against == Against::words) {
    state.index().score(totals, groups, work->scratch);
  } else {
    answer.spellbook = state.spellbookNow();
    dictionary =
        against == Against::all ? &answer.spellbook->withWords() : &answer.spellbook->spells();
    scoreEntries(*dictionary, totals, groups);
  }
  const bool phraseHasCapitals = totals.holds(kHoldsCapital);
  const auto show = [&](int score, const std::vector<Listed>& group) {
    ShownGroup shown{score, {}};
    for (const Listed& listed : group) {
      const std::string_view text = dictionary->text(listed.entry);
      if (text == spell) continue;
      const OwnMarks marks = against == Against::words
                                 ? state.listing().slot(listed.entry).marks
                                 : ownMarks(text, dictionary->totals(listed.entry));
      shown.spells.push_back({text, lookOf(listed.agreement, marks, phraseHasCapitals),
                              phraseHasCapitals != spellHolds(listed.agreement, kHoldsCapital)});
    }
    if (!shown.spells.empty()) answer.groups.push_back(std::move(shown));
  };
  for (int score = kTopScore; score >= 2; --score) show(score, groups.byScore[score]);
  show(0, groups.prime);
  return answer;
}

bool findIn(const ServeState& state, std::string_view terms, FindAnswer& answer,
            std::string& error) {
  answer = FindAnswer();
  const std::vector<std::string> rawTerms = splitSearchString(terms);
  if (rawTerms.empty()) {
    error = "no search terms";
    return false;
  }
  for (const std::string& raw : rawTerms) {
    bool letters = false, digits = false, other = false;
    for (const char c : raw) {
      const auto byte = static_cast<unsigned char>(c);
      letters = letters || isLetter(byte);
      digits = digits || isDigit(byte);
      other = other || (!isLetter(byte) && !isDigit(byte));
    }
    if (!letters || !digits || other) {
      error = "malformed search term \"" + raw + "\" (expected a value and a cypher tag, as 33ord)";
      return false;
    }
    SearchTerm term = parseSearchTerm(raw);
    if (!recogniseSearchTerm(term, state.cyphers())) {
      error = state.cyphers().findByTag(term.cypherTag) != nullptr
                  ? "the value search cannot use cypher tag \"" + term.cypherTag + "\""
                  : "unknown cypher tag \"" + term.cypherTag + "\"";
      return false;
    }
    answer.terms.push_back(std::move(term));
  }
  const Dictionary& words = state.words();
  for (size_t entry = 0; entry < words.size(); ++entry) {
    if (entryMatches(answer.terms, words, entry)) {
      answer.entries.push_back(static_cast<uint32_t>(entry));
    }
  }
  return true;
}
