#include "match/Scoring.h"

#include <algorithm>
#include <cstring>

#include "cyphers/BuiltIns.h"
#include "text/VectorLoops.h"
#include "wordlist/Dictionary.h"

void MatchGroups::clear() {
  for (std::vector<Listed>& group : byScore) group.clear();
  prime.clear();
}

PhraseTerms::PhraseTerms(const SpellTotals& phrase) : phrasePrime(phrase[Method::primes]) {
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
    terms[count++] = {method, phrase[method], cypher.weight, needs};
    if (needs == 0) {
      target[m] = phrase[method];
      weight[m] = cypher.weight;
    } else {
      withLetters[withLettersCount++] = terms[count - 1];
    }
  }
}

int PhraseTerms::scoreOf(const SpellTotals& entry) const {
  // Four cyphers at a time: equal lanes are all ones, and keep their weight.
  using Four = int32_t __attribute__((vector_size(16)));
  static_assert(kSpellCyphers % 4 == 0);
  Four sum{};
  for (size_t m = 0; m < kSpellCyphers; m += 4) {
    Four totals, targets, weights;
    memcpy(&totals, &entry.totals[m], sizeof totals);
    memcpy(&targets, &target[m], sizeof targets);
    memcpy(&weights, &weight[m], sizeof weights);
    sum += (totals == targets) & weights;
  }
  int score = sum[0] + sum[1] + sum[2] + sum[3];
  for (size_t t = 0; t < withLettersCount; ++t) {
    const Term& term = withLetters[t];
    if (entry[term.method] == term.total && (entry.flags & term.needs) != 0) score += term.weight;
  }
  return score;
}

MatchPlan::MatchPlan(const Dictionary& dictionary, const SpellTotals& phrase)
    : flags(dictionary.flagColumn()),
      columns(dictionary.columns()),
      phrase(phrase),
      primes(dictionary.column(Method::primes)),
      phrasePrime(phrase[Method::primes]) {
  const PhraseTerms scoring(phrase);
  for (size_t t = 0; t < scoring.count; ++t) {
    const PhraseTerms::Term& term = scoring.terms[t];
    terms[termCount++] = {dictionary.column(term.method), term.total, term.weight, term.needs};
  }
}

namespace {

// The vector loops of scoring (see VectorLoops.h).

// Adds weight to the score of every entry whose total is the phrase's.
VERIGLYPH_VECTOR_LOOP void addMatches(const int32_t* column, int32_t total, int32_t weight,
                                      size_t count, int32_t* scores) {
  for (size_t i = 0; i < count; ++i) scores[i] += column[i] == total ? weight : 0;
}

// The same, for the entries that also hold the letters the cypher needs.
VERIGLYPH_VECTOR_LOOP void addMatchesWithLetters(const int32_t* column, int32_t total,
                                                 int32_t weight, const uint8_t* flags,
                                                 uint8_t needs, size_t count, int32_t* scores) {
  for (size_t i = 0; i < count; ++i) {
    // Bitwise, not &&: both sides are cheap, and the loop stays a vector loop.
    const int32_t hit = (column[i] == total) & ((flags[i] & needs) != 0);
    scores[i] += hit * weight;
  }
}

VERIGLYPH_VECTOR_LOOP void markEntries(const int32_t* scores, const int32_t* primes,
                                       int32_t phrasePrime, size_t count, uint8_t* listed) {
  const bool primesCount = phrasePrime != 0;  // a zero total never agrees
  for (size_t i = 0; i < count; ++i) {
    listed[i] = (scores[i] >= 2) | ((primes[i] == phrasePrime) & primesCount);
  }
}

}  // namespace

void MatchPlan::score(size_t first, size_t count, int32_t* scores) const {
  std::fill(scores, scores + count, 0);
  for (size_t t = 0; t < termCount; ++t) {
    const Term& term = terms[t];
    if (term.needs == 0) {
      addMatches(term.column + first, term.total, term.weight, count, scores);
    } else {
      addMatchesWithLetters(term.column + first, term.total, term.weight, flags + first, term.needs,
                            count, scores);
    }
  }
}

void MatchPlan::markListed(size_t first, size_t count, const int32_t* scores,
                           uint8_t* listed) const {
  markEntries(scores, primes + first, phrasePrime, count, listed);
}

Agreement MatchPlan::agreement(size_t entry) const {
  return agreementOf([this, entry](size_t m) { return columns[m][entry]; }, flags[entry], phrase);
}

void scoreEntries(const Dictionary& dictionary, const SpellTotals& phrase, MatchGroups& groups) {
  constexpr size_t kBlock = 1024;  // entries scored together, kept in the first-level cache
  groups.clear();
  const MatchPlan plan(dictionary, phrase);
  alignas(64) int32_t scores[kBlock];
  alignas(64) uint8_t listed[kBlock] = {};
  for (size_t first = 0; first < dictionary.size(); first += kBlock) {
    const size_t count = std::min(kBlock, dictionary.size() - first);
    plan.score(first, count, scores);
    plan.markListed(first, count, scores, listed);
    // Few entries are listed on a page: look at eight marks at a time.
    for (size_t i = 0; i < count; i += 8) {
      uint64_t eight;
      memcpy(&eight, listed + i, sizeof eight);
      if (eight == 0) continue;
      for (size_t j = i; j < std::min(i + 8, count); ++j) {
        if (!listed[j]) continue;
        const uint32_t entry = static_cast<uint32_t>(first + j);
        // The entry's totals are still at hand from scoring its block.
        const Listed listed{entry, plan.agreement(entry)};
        // A score is a sum of the table's weights, so at() never fails; were a
        // weight ever wrong, the run would stop rather than write elsewhere.
        if (scores[j] >= 2) groups.byScore.at(static_cast<size_t>(scores[j])).push_back(listed);
        if (plan.primeMatch(entry)) groups.prime.push_back(listed);
      }
    }
    std::fill(listed, listed + count, 0);
  }
}

StreamedMatch::StreamedMatch(const SpellTotals& phrase)
    : phrase(phrase), terms(phrase), entries(std::make_unique<Dictionary>()) {}

StreamedMatch::~StreamedMatch() = default;

void StreamedMatch::offer(std::string_view text, const SpellTotals& totals) {
  const int score = terms.scoreOf(totals);
  const bool prime = terms.primeMatch(totals);
  if (score < 2 && !prime) return;
  const Listed listed{static_cast<uint32_t>(entries->size()), agreementOf(totals, phrase)};
  entries->add(text, totals);
  if (score >= 2) grouped.byScore.at(static_cast<size_t>(score)).push_back(listed);
  if (prime) grouped.prime.push_back(listed);
}

StreamedMatch::Mark StreamedMatch::mark() const {
  Mark mark{entries->size(), grouped.prime.size(), {}};
  for (size_t score = 0; score < mark.byScore.size(); ++score) {
    mark.byScore[score] = grouped.byScore[score].size();
  }
  return mark;
}

void StreamedMatch::rollback(const Mark& mark) {
  entries->truncate(mark.entries);
  grouped.prime.resize(mark.prime);
  for (size_t score = 0; score < mark.byScore.size(); ++score) {
    grouped.byScore[score].resize(mark.byScore[score]);
  }
}
