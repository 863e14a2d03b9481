// Micro-benchmarks of the work behind the search and match modes: building a
// spell (twenty cypher walks per word-list entry at load), scoring the whole
// list against one spell, and the per-word tests the console rendering makes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "Settings.h"
#include "cyphers/Cyphers.h"
#include "spells/DictionarySearch.h"
#include "spells/Spell.h"

namespace {

// The shipped word list, terminators removed, empty lines dropped; read once.
const std::vector<std::string>& wordList() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> out;
    std::ifstream in(VERIGLYPH_WORD_LIST, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) out.push_back(line);
    }
    return out;
  }();
  return words;
}

// The word list as built spells, the way a load leaves it.
const std::vector<Spell>& spells() {
  static const std::vector<Spell> built = [] {
    std::vector<Spell> out;
    out.reserve(wordList().size());
    for (const std::string& w : wordList()) out.emplace_back(w);
    return out;
  }();
  return built;
}

void setUp(benchmark::State& state) {
  initCyphers();
  silent = true;
  if (wordList().empty()) state.SkipWithError("word list not found: " VERIGLYPH_WORD_LIST);
}

// One cypher walk over a two-word spell.
void BM_OrdinalCalculate(benchmark::State& state) {
  setUp(state);
  const std::string spell = "Hello World";
  for (auto _ : state) benchmark::DoNotOptimize(ordinal.calculate(spell));
}
BENCHMARK(BM_OrdinalCalculate);

// Building every spell of the list: the CPU cost of a load, without the file
// reading and the dictionary's own storage.
void BM_BuildSpells(benchmark::State& state) {
  setUp(state);
  const std::vector<std::string>& words = wordList();
  for (auto _ : state) {
    for (const std::string& w : words) {
      Spell s(w);
      benchmark::DoNotOptimize(s.ordinalValue);
    }
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
}
BENCHMARK(BM_BuildSpells)->Unit(benchmark::kMillisecond);

// Scoring the whole loaded list against one spell: the inner loop of --match,
// and of every page of --html.
void BM_MatchScorePass(benchmark::State& state) {
  setUp(state);
  const std::vector<Spell>& list = spells();
  const Spell phrase("Hello World");
  for (auto _ : state) {
    int total = 0;
    for (const Spell& s : list) {
      bool prime = false;
      total += matchScore(s, phrase, prime);
      total += prime;
    }
    benchmark::DoNotOptimize(total);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_MatchScorePass)->Unit(benchmark::kMillisecond);

// The "(?)" query-phrase test the console rendering makes for every listed
// spell.
void BM_PossibleQuery(benchmark::State& state) {
  setUp(state);
  const std::vector<Spell>& list = spells();
  for (auto _ : state) {
    int hits = 0;
    for (const Spell& s : list) hits += s.possibleQuery();
    benchmark::DoNotOptimize(hits);
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * list.size()));
}
BENCHMARK(BM_PossibleQuery)->Unit(benchmark::kMillisecond);

}  // namespace
