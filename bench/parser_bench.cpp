// Analyser throughput: words per second over a 10,000-word text against a
// 2,000-entry lexicon.
#include <benchmark/benchmark.h>

#include "morphan/klingonparser.h"
#include "synthetic_lexicon.h"

namespace {

void BM_ParseText(benchmark::State& state) {
  CKLex lex = bench::MakeLexicon(static_cast<int>(state.range(0)));
  const auto text = bench::MakeText(lex, 10000);
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  size_t readings = 0;
  for (auto _ : state) {
    for (const auto& word : text) {
      std::vector<CParseResult> results;
      readings += parser.ParseWord(word, results);
    }
  }
  benchmark::DoNotOptimize(readings);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
  state.counters["readings/word"] =
      static_cast<double>(readings) / (static_cast<double>(state.iterations()) * text.size());
}
BENCHMARK(BM_ParseText)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
