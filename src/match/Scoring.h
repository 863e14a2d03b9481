#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "cyphers/BuiltIns.h"
#include "match/Agreement.h"
#include "wordlist/SpellTotals.h"

class Dictionary;

// An entry of a match group, with how it stands to the phrase.
struct Listed {
  uint32_t entry;
  Agreement agreement;
};

// The entries of a match, by score, in dictionary order within each group,
// and every entry that agrees in the primes cypher, whatever its score.
struct MatchGroups {
  // The score groups run from the top score down to 2.
  std::array<std::vector<Listed>, kTopScore + 1> byScore;
  std::vector<Listed> prime;

  void clear();
};

// Scoring against one phrase. An entry's score is the sum of the weights of
// the cyphers in which it has the phrase's total, when that total is not 0
// (and, for some cyphers, when both hold the letters that make it count).
class MatchPlan {
 public:
  MatchPlan(const Dictionary& dictionary, const SpellTotals& phrase);

  // The scores of count entries from first, into scores[0..count).
  void score(size_t first, size_t count, int32_t* scores) const;
  // Marks in listed[0..count) the entries that go into some group: a score
  // of 2 or more, or agreement in primes.
  void markListed(size_t first, size_t count, const int32_t* scores, uint8_t* listed) const;
  // How the entry stands to the phrase.
  Agreement agreement(size_t entry) const;
  // Whether the entry agrees in primes, which puts it in the prime group.
  bool primeMatch(size_t entry) const { return phrasePrime != 0 && primes[entry] == phrasePrime; }

 private:
  struct Term {
    const int32_t* column;
    int32_t total;
    int32_t weight;
    uint8_t needs;  // letter facts the entry must have, or 0
  };
  Term terms[kSpellCyphers];
  size_t termCount = 0;
  const uint8_t* flags;
  const int32_t* const* columns;
  const SpellTotals& phrase;
  const int32_t* primes;
  int32_t phrasePrime;
};

// Scores every entry against the phrase's totals and groups them.
void scoreEntries(const Dictionary& dictionary, const SpellTotals& phrase, MatchGroups& groups);
