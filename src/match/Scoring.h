#pragma once

#include <array>
#include <cstdint>
#include <memory>
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

// The cyphers in which an entry can score against one phrase. An entry's
// score is the sum of the weights of the cyphers in which it has the
// phrase's total, when that total is not 0 (and, for some cyphers, when both
// hold the letters that make it count).
struct PhraseTerms {
  struct Term {
    Method method;
    int32_t total;
    int32_t weight;
    uint8_t needs;  // letter facts the entry must have, or 0
  };

  explicit PhraseTerms(const SpellTotals& phrase);

  // The score of one entry, and whether it agrees in primes (which puts it in
  // the prime group, whatever its score).
  int scoreOf(const SpellTotals& entry) const;
  bool primeMatch(const SpellTotals& entry) const {
    return phrasePrime != 0 && entry[Method::primes] == phrasePrime;
  }

  Term terms[kSpellCyphers];
  size_t count = 0;
  int32_t phrasePrime;

 private:
  // The terms again, for scoring one entry: those that always count as a
  // weight per cypher (0 where the cypher cannot score), so that all of them
  // are compared at once, and the few that need letters on their own.
  alignas(16) int32_t target[kSpellCyphers] = {};
  alignas(16) int32_t weight[kSpellCyphers] = {};
  Term withLetters[kSpellCyphers];
  size_t withLettersCount = 0;
};

// Scoring against one phrase, column by column, over a whole dictionary.
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

// Groups the entries of a list read once, entry by entry, keeping only the
// listed ones, with their texts and totals, in a small dictionary of their
// own to which the groups refer.
class StreamedMatch {
 public:
  explicit StreamedMatch(const SpellTotals& phrase);
  ~StreamedMatch();
  void offer(std::string_view text, const SpellTotals& totals);

  // What was offered so far, to take back the offers of a list that could not
  // be read to its end.
  struct Mark {
    size_t entries, prime;
    std::array<size_t, kTopScore + 1> byScore;
  };
  Mark mark() const;
  void rollback(const Mark& mark);

  const Dictionary& listed() const { return *entries; }
  const MatchGroups& groups() const { return grouped; }

 private:
  const SpellTotals phrase;
  const PhraseTerms terms;
  std::unique_ptr<Dictionary> entries;
  MatchGroups grouped;
};
