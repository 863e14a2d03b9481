// Micro-benchmarks of the work behind the word-list modes, on the shipped
// list: the totals of every entry, loading the list into a Dictionary, one
// scoring pass of the whole list, and the console's "(?)" query test.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "match/Scoring.h"
#include "text/QueryPhrases.h"
#include "wordlist/Dictionary.h"
#include "wordlist/SpellTotals.h"

namespace {

const char* const kList = VERIGLYPH_WORD_LIST;

// The list's entries as strings (CR and empty lines dropped), read once.
const std::vector<std::string>& entries() {
  static const std::vector<std::string> lines = [] {
    std::vector<std::string> out;
    std::ifstream in(kList, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty()) out.push_back(line);
    }
    return out;
  }();
  return lines;
}

// The list loaded once, for the benchmarks that read it.
const Dictionary& loaded() {
  static const Dictionary dictionary = [] {
    Dictionary d;
    d.load(kList, Dictionary::HashLines::entries);
    return d;
  }();
  return dictionary;
}

bool haveList(benchmark::State& state) {
  if (!entries().empty()) return true;
  state.SkipWithError("word list not found");
  return false;
}

void perEntry(benchmark::State& state, size_t count) {
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(count));
}

// The twenty totals and letter facts of every entry, from its text.
void BM_TotalsOf(benchmark::State& state) {
  if (!haveList(state)) return;
  for (auto _ : state) {
    for (const std::string& entry : entries()) benchmark::DoNotOptimize(totalsOf(entry));
  }
  perEntry(state, entries().size());
}
BENCHMARK(BM_TotalsOf)->Unit(benchmark::kMillisecond);

// A whole load: reading the file (from the page cache) into a fresh Dictionary.
void BM_LoadDictionary(benchmark::State& state) {
  if (!haveList(state)) return;
  size_t size = 0;
  for (auto _ : state) {
    Dictionary dictionary;
    dictionary.load(kList, Dictionary::HashLines::entries);
    size = dictionary.size();
    benchmark::DoNotOptimize(size);
  }
  perEntry(state, size);
}
BENCHMARK(BM_LoadDictionary)->Unit(benchmark::kMillisecond);

// Scoring and grouping the whole list against one phrase: the core of
// --match, and of every page of --html.
void BM_ScoreEntries(benchmark::State& state) {
  if (!haveList(state)) return;
  const SpellTotals phrase = totalsOf("Hello World");
  MatchGroups groups;
  for (auto _ : state) {
    scoreEntries(loaded(), phrase, groups);
    benchmark::DoNotOptimize(groups.prime.data());
  }
  perEntry(state, loaded().size());
}
BENCHMARK(BM_ScoreEntries)->Unit(benchmark::kMillisecond);

// The "(?)" query-phrase test the console makes for every listed entry.
void BM_PossibleQuery(benchmark::State& state) {
  if (!haveList(state)) return;
  const Dictionary& dictionary = loaded();
  for (auto _ : state) {
    size_t hits = 0;
    for (size_t i = 0; i < dictionary.size(); ++i) hits += possibleQuery(dictionary.text(i));
    benchmark::DoNotOptimize(hits);
  }
  perEntry(state, dictionary.size());
}
BENCHMARK(BM_PossibleQuery)->Unit(benchmark::kMillisecond);

}  // namespace
