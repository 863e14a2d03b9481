#pragma once

#include <cstdint>
#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "spells/Spell.h"

// The loaded spells in load order, duplicates kept.
class Dictionary {
 public:
  // Adds a spell for a non-empty text.
  void addWord(const std::string& text);
  uint64_t wordCount() const { return words.size(); }
  // The spell at index, or Spell::None past the end; never null.
  const Spell* getWord(uint64_t index) const {
    return index < words.size() ? &words[index] : Spell::None;
  }

 private:
  std::deque<Spell> words;  // a deque keeps every spell where it was built
};

extern Dictionary dict;

extern const char* const kWordListPath;
extern const char* const kUserSpellbookPath;
extern const char* const kWikiBaseUrl;

// Appends the entries of the word list or of the user spellbook to dict.
bool loadDictionary(bool userSpellbook);

// Value search ("33ord/21red/40rev").
struct SearchTerm {
  std::string cypherTag;            // as typed, then the recognised cypher's default tag
  std::string valueText;            // the digits as typed
  int32_t value = 0;                // 0 when there are no digits
  bool inRange = true;              // false when the digits exceed a 32-bit total: never matches
  int32_t Spell::*total = nullptr;  // the compared total, once the tag is recognised
};
std::vector<std::string> extractSearchValues(const std::string& searchString);
SearchTerm createSearchTerm(const std::string& rawTerm);
// Turns the typed tag into its cypher's default tag and notes which total the
// term compares; false when no cypher takes the tag.
bool recogniseSearchTerm(SearchTerm& term);
// Whether a spell's stored total matches one recognised term.
bool termMatches(const SearchTerm& term, const Spell& spell);
bool dictionarySearch(const std::string& searchString);

// Consonantal roots.
std::string extractConsonantalRoots(const std::string& text);
bool consonantalRootSearch(const std::string& spell);

// Reduction search.
bool reductionSearch(int32_t number);

// Prioritized multi-cypher match.
constexpr int kMaxGroupScore = 33;
// Weighted score of spell against the search phrase; primeMatch tells whether
// the Primes totals agree.
int matchScore(const Spell& spell, const Spell& searchPhrase, bool& primeMatch);
bool dictionaryMatch(const std::string& spell);
void writeMatches(const std::string& heading, FILE* file, const std::vector<const Spell*>& group,
                  const Spell& searchPhrase);
void printMatchToScreen(const Spell& spell, const Spell& searchPhrase, bool first);
bool writeDictionary();
