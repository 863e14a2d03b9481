#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "cyphers/Method.h"
#include "match/Agreement.h"
#include "match/Scoring.h"
#include "wordlist/SpellTotals.h"

class Dictionary;

// The dictionary's entries sorted by their total in each spell cypher, for a
// list that many phrases meet (the server): a phrase's match then visits only
// the entries that share one of its totals, instead of every entry. It gives
// exactly what scoreEntries gives.
class MatchIndex {
 public:
  // An entry that goes into some group, with its score.
  struct Candidate {
    uint32_t entry;
    Agreement agreement;
    int32_t score;
  };
  // The working memory of one scoring at a time: a thread keeps its own.
  class Scratch {
    friend class MatchIndex;
    std::vector<Agreement> agreement;  // per entry; zero between scorings
    std::vector<uint64_t> touched;     // a bit per entry some posting reached
    std::vector<Candidate> listed;     // room for every entry
    // For a page: per entry its score, a bit per entry listed and one per
    // entry agreeing in the primes; zero between scorings.
    std::vector<uint8_t> scores;
    std::vector<uint64_t> listedBits, primeBits;
  };

  explicit MatchIndex(const Dictionary& dictionary);

  // What the listed entries' agreements tell: everything scoreEntries has
  // them tell, or only what a page of the HTML set shows of them: the
  // entry's letter facts and its agreeing in the primes. The groups are the
  // same either way.
  enum class Agreements { all, page };

  // The groups of the phrase, as scoreEntries makes them.
  void score(const SpellTotals& phrase, MatchGroups& groups, Scratch& scratch,
             Agreements agreements = Agreements::all) const;

 private:
  // The entries of one cypher by total: values[i] is held by
  // entries[starts[i] .. starts[i + 1]), each run in dictionary order.
  struct Postings {
    std::vector<int32_t> values;
    std::vector<uint32_t> starts;
    std::vector<uint32_t> entries;
  };
  // Marks the entries whose total in cypher m is value with bits: every one
  // (touching), or those marked already.
  void post(size_t m, int32_t value, Agreement bits, Scratch& scratch, bool touching) const;
  // The entries whose total in cypher m is value.
  std::pair<const uint32_t*, const uint32_t*> holders(size_t m, int32_t value) const;
  // The groups for a page, with the agreements it shows (see Agreements).
  void scoreForPage(const SpellTotals& phrase, const Agreement counted[16], MatchGroups& groups,
                    Scratch& scratch) const;

  const Dictionary& dictionary;
  Postings postings[kSpellCyphers];
  int32_t lowWeights[1024], highWeights[1024];  // the score of ten agreement bits each
};
