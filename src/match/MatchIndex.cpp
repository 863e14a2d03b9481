#include "match/MatchIndex.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "cyphers/BuiltIns.h"
#include "wordlist/Dictionary.h"

static_assert(kSpellCyphers <= 20, "two tables of ten agreement bits hold the weights");

MatchIndex::MatchIndex(const Dictionary& dictionary) : dictionary(dictionary) {
  std::vector<uint32_t> order(dictionary.size());
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    const int32_t* column = dictionary.column(static_cast<Method>(m));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [column](uint32_t a, uint32_t b) { return column[a] < column[b]; });
    Postings& list = postings[m];
    list.entries = order;
    for (size_t i = 0; i < order.size(); ++i) {
      if (i > 0 && column[order[i]] == column[order[i - 1]]) continue;
      list.values.push_back(column[order[i]]);
      list.starts.push_back(static_cast<uint32_t>(i));
    }
    list.starts.push_back(static_cast<uint32_t>(order.size()));
  }
  for (uint32_t bits = 0; bits < 1024; ++bits) {
    lowWeights[bits] = highWeights[bits] = 0;
    for (size_t m = 0; m < 10; ++m) {
      if ((bits >> m & 1) == 0) continue;
      lowWeights[bits] += builtIn(static_cast<Method>(m)).weight;
      if (m + 10 < kSpellCyphers) highWeights[bits] += builtIn(static_cast<Method>(m + 10)).weight;
    }
  }
}

std::pair<const uint32_t*, const uint32_t*> MatchIndex::holders(size_t m, int32_t value) const {
  const Postings& list = postings[m];
  const auto found = std::lower_bound(list.values.begin(), list.values.end(), value);
  if (found == list.values.end() || *found != value) return {nullptr, nullptr};
  const size_t at = static_cast<size_t>(found - list.values.begin());
  return {list.entries.data() + list.starts[at], list.entries.data() + list.starts[at + 1]};
}

void MatchIndex::post(size_t m, int32_t value, Agreement bits, Scratch& scratch,
                      bool touching) const {
  auto [entry, end] = holders(m, value);
  Agreement* agreement = scratch.agreement.data();
  uint64_t* touched = scratch.touched.data();
  if (!touching) {
    // Only to the entries touched already: no other is listed.
    for (; entry != end; ++entry) {
      const Agreement touchedBit =
          static_cast<Agreement>(touched[*entry >> 6] >> (*entry & 63) & 1);
      agreement[*entry] |= bits & (0 - touchedBit);
    }
    return;
  }
  for (; entry != end; ++entry) {
    agreement[*entry] |= bits;
    touched[*entry >> 6] |= uint64_t{1} << (*entry & 63);
  }
}

void MatchIndex::score(const SpellTotals& phrase, MatchGroups& groups, Scratch& scratch,
                       Agreements told) const {
  groups.clear();
  scratch.agreement.resize(dictionary.size());
  scratch.touched.resize((dictionary.size() + 63) / 64);
  // Which agreements count towards the score, by the entry's letter facts:
  // a cypher in which the phrase's total is not 0 and, for some cyphers,
  // both hold the letters that make it count (as MatchPlan has it).
  Agreement counted[16];
  for (uint8_t facts = 0; facts < 16; ++facts) {
    counted[facts] = 0;
    for (size_t m = 0; m < kSpellCyphers; ++m) {
      const Method method = static_cast<Method>(m);
      if (phrase[method] == 0) continue;
      bool counts = true;
      switch (builtIn(method).condition) {
        case MatchCondition::always:
          break;
        case MatchCondition::kvLetters:
          counts = phrase.holds(kHoldsKV) && (facts & kKVCounts) != 0;
          break;
        case MatchCondition::sLetters:
          counts = phrase.holds(kHoldsS) && (facts & kHoldsS) != 0;
          break;
        case MatchCondition::capitals:
          counts = phrase.holds(kHoldsCapital) && (facts & kHoldsCapital) != 0;
          break;
      }
      if (counts) counted[facts] |= Agreement{1} << m;
    }
  }
  if (told == Agreements::page) {
    scoreForPage(phrase, counted, groups, scratch);
    return;
  }
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    post(m, phrase.totals[m], Agreement{1} << m, scratch, true);
  }
  // An entry that agrees in no cypher goes into no group: the reverse totals
  // equal to the phrase's forward ones only show on those that do.
  post(index(Method::reverse), phrase[Method::ordinal], kReverseIsOrdinal, scratch, false);
  post(index(Method::reverseReduced), phrase[Method::reduced], kReverseReducedIsReduced, scratch,
       false);

  // The touched entries in dictionary order, each cleared on the way: first
  // those that go into some group, with their score, gathered without a
  // branch on them; then into their groups.
  const uint8_t* flags = dictionary.flagColumn();
  const Agreement primeBit =
      phrase[Method::primes] != 0 ? Agreement{1} << index(Method::primes) : 0;
  Agreement* agreements = scratch.agreement.data();
  std::vector<Candidate>& listed = scratch.listed;
  if (listed.size() <= dictionary.size()) listed.resize(dictionary.size() + 1);
  size_t count = 0;
  for (size_t word = 0; word < scratch.touched.size(); ++word) {
    uint64_t bits = scratch.touched[word];
    scratch.touched[word] = 0;
    for (; bits != 0; bits &= bits - 1) {
      const uint32_t entry = static_cast<uint32_t>(word * 64 + __builtin_ctzll(bits));
      const Agreement agreement = agreements[entry] | Agreement{flags[entry]} << kSpellFlagsShift;
      agreements[entry] = 0;
      const Agreement counts = agreement & counted[flags[entry] & 15];
      const int32_t score = lowWeights[counts & 1023] + highWeights[counts >> 10 & 1023];
      listed[count] = {entry, agreement, score};
      count += (score >= 2) | ((agreement & primeBit) != 0);
    }
  }
  for (size_t i = 0; i < count; ++i) {
    const Listed shown{listed[i].entry, listed[i].agreement};
    if (listed[i].score >= 2)
      groups.byScore.at(static_cast<size_t>(listed[i].score)).push_back(shown);
    if ((shown.agreement & primeBit) != 0) groups.prime.push_back(shown);
  }
}

// A page needs of an entry only its score and whether it agrees in the
// primes. Each agreement that counts adds its cypher's weight to one byte of
// the entry (one that counts only for some entries looks at the entry's
// letter facts), and the entry's bit is set, without a branch, when that
// makes it 2 or more: the bits then give the listed entries in dictionary
// order. Far less work than noting every agreement of every entry.
void MatchIndex::scoreForPage(const SpellTotals& phrase, const Agreement counted[16],
                              MatchGroups& groups, Scratch& scratch) const {
  static_assert(kTopScore < 0x100, "a score fits in a byte");
  const size_t words = (dictionary.size() + 63) / 64;
  scratch.scores.resize(dictionary.size());
  scratch.listedBits.resize(words);
  scratch.primeBits.resize(words);
  uint8_t* scores = scratch.scores.data();
  uint64_t* listedBits = scratch.listedBits.data();
  const uint8_t* flags = dictionary.flagColumn();
  const auto add = [scores, listedBits](uint32_t entry, uint8_t weight) {
    const uint8_t before = scores[entry];
    const uint8_t after = static_cast<uint8_t>(before + weight);
    scores[entry] = after;
    listedBits[entry >> 6] |= static_cast<uint64_t>((before < 2) & (after >= 2)) << (entry & 63);
  };
  for (size_t m = 0; m < kSpellCyphers; ++m) {
    uint8_t added[16];  // by the entry's letter facts
    bool everywhere = true, anywhere = false;
    const uint8_t weight = static_cast<uint8_t>(builtIn(static_cast<Method>(m)).weight);
    for (size_t facts = 0; facts < 16; ++facts) {
      const bool counts = (counted[facts] >> m & 1) != 0;
      added[facts] = counts ? weight : 0;
      everywhere = everywhere && counts;
      anywhere = anywhere || counts;
    }
    if (!anywhere) continue;
    const auto [first, end] = holders(m, phrase.totals[m]);
    if (everywhere) {
      for (const uint32_t* entry = first; entry != end; ++entry) add(*entry, weight);
    } else {
      for (const uint32_t* entry = first; entry != end; ++entry) {
        add(*entry, added[flags[*entry] & 15]);
      }
    }
    // An entry agreeing in the primes (which count wherever the phrase's
    // total is not 0) scores their weight at least: it is listed.
    if (static_cast<Method>(m) == Method::primes) {
      for (const uint32_t* entry = first; entry != end; ++entry) {
        scratch.primeBits[*entry >> 6] |= uint64_t{1} << (*entry & 63);
      }
    }
  }

  const Agreement primeBit = Agreement{1} << index(Method::primes);
  for (size_t word = 0; word < words; ++word) {
    const uint64_t primeWord = scratch.primeBits[word];
    scratch.primeBits[word] = 0;
    for (uint64_t listed = listedBits[word]; listed != 0; listed &= listed - 1) {
      const uint32_t entry = static_cast<uint32_t>(word * 64 + __builtin_ctzll(listed));
      const bool prime = (primeWord >> (entry & 63) & 1) != 0;
      const Listed shown{entry,
                         Agreement{flags[entry]} << kSpellFlagsShift | (prime ? primeBit : 0)};
      groups.byScore.at(scores[entry]).push_back(shown);
      if (prime) groups.prime.push_back(shown);
    }
    listedBits[word] = 0;
  }
  memset(scores, 0, dictionary.size());
}
