#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "match/MatchScreen.h"
#include "search/ValueSearch.h"

class CypherSet;
class ServeState;
class SpellbookView;
struct Cypher;

// The server's answers as data, which the pages and the JSON API both show.

// A spell's total in one cypher.
struct CypherTotal {
  const Cypher* cypher;
  bool builtIn;
  int32_t total;  // shown as an unsigned number, as on the console
  int root;       // its digital root
  std::string breakdown;
  bool counts;                 // false in a cypher that needs capitals, for a spell without any
  std::string_view searchTag;  // a tag the value search takes for it; empty when it cannot
};
// Every cypher's total, built-in ones first, in their order.
std::vector<CypherTotal> totalsIn(const ServeState& state, std::string_view spell);
// For each cypher of the set, a tag the value search reads back as it
// (letters only, since the search drops every other character of a term);
// empty for a cypher it cannot search.
std::vector<std::string> searchTagsOf(const CypherSet& cyphers);

// What a match runs against: the word list (--match), the spellbook
// (--spells) or both (--all-spells).
enum class Against { words, spellbook, all };
bool parseAgainst(std::string_view name, Against& against);
std::string_view nameOf(Against against);

// One spell of a match group, as the console shows it.
struct ListedSpell {
  std::string_view text;
  ListedLook look;
  bool emphasised;  // it and the phrase differ in having capitals
};
struct ShownGroup {
  int score;  // 0 for the group of every spell that agrees in primes
  std::vector<ListedSpell> spells;
};
// The groups of a match, as the page of the HTML set has them: from the top
// score down, then the prime group, the phrase itself left out, and only
// groups with some spell in them.
struct MatchAnswer {
  std::shared_ptr<const SpellbookView> spellbook;  // holds the spells' texts
  std::vector<ShownGroup> groups;
};
MatchAnswer matchOf(const ServeState& state, std::string_view spell, Against against);

// A value search of the word list.
struct FindAnswer {
  std::vector<SearchTerm> terms;
  std::vector<uint32_t> entries;
};
// False, with the reason, when a term is malformed (anything but letters and
// digits, or lacking either) or names a cypher the search cannot use.
bool findIn(const ServeState& state, std::string_view terms, FindAnswer& answer,
            std::string& error);
