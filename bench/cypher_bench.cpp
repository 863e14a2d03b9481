// Micro-benchmarks of the own cyphers: reading the shipped library (every file
// parsed and made ready for the walk), and the walk of one cypher over a long
// text: ASCII (no value), Greek without accents, capitals, polytonic Greek.
#include <benchmark/benchmark.h>

#include <string>

#include "cyphers/CypherSet.h"

namespace {

const char* const kFolder = VERIGLYPH_CYPHER_FOLDER;

void BM_ReadLibrary(benchmark::State& state) {
  for (auto _ : state) {
    CypherSet cyphers;
    std::string error;
    if (!cyphers.readOwn(kFolder, error)) state.SkipWithError(error.c_str());
    benchmark::DoNotOptimize(cyphers.all().data());
  }
}
BENCHMARK(BM_ReadLibrary)->Unit(benchmark::kMicrosecond);

void BM_GreekWalk(benchmark::State& state) {
  static const char* const kTexts[] = {
      "In the beginning was the Word ", "εν αρχη ην ο λογος και ο λογος ην ",
      "ΕΝ ΑΡΧΗ ΗΝ Ο ΛΟΓΟΣ ΚΑΙ Ο ΛΟΓΟΣ ΗΝ ", "ἐν ἀρχῇ ἦν ὁ λόγος καὶ ὁ λόγος ἦν "};
  CypherSet cyphers;
  std::string error, text;
  cyphers.readOwn(kFolder, error);
  const Cypher* greek = cyphers.findByTag("greek");
  if (greek == nullptr) return state.SkipWithError("no greek cypher");
  for (int i = 0; i < 1000; ++i) text += kTexts[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(totalOf(*greek, text));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_GreekWalk)->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
