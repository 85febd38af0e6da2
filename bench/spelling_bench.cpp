// Spelling suggestions for words without a reading, against the shipped
// lexicon: the time per unknown word, checks of inflected forms included.
#include <benchmark/benchmark.h>

#include <random>

#include "morphan/suggest.h"
#include "synthetic_lexicon.h"

namespace {

// Words of the text with one letter changed, dropped or doubled, or two
// swapped, that the analyser then finds no reading for.
std::vector<std::string> UnknownWords(const CKLex& lex, CKlingonParser& parser, size_t count) {
  std::mt19937 rng(5);
  std::vector<std::string> words;
  for (const std::string& word : bench::MakeText(lex, 20000)) {
    if (words.size() >= count) break;
    if (word.size() < 3) continue;
    std::string w = word;
    const size_t i = rng() % (w.size() - 1);
    switch (rng() % 4) {
      case 0: w[i] = "aeIouDHSqQ"[rng() % 10]; break;
      case 1: w.erase(i, 1); break;
      case 2: w.insert(i, 1, w[i]); break;
      default: std::swap(w[i], w[i + 1]);
    }
    std::vector<CParseResult> results;
    if (parser.ParseWord(w, results) == 0) words.push_back(w);
  }
  return words;
}

void BM_SuggestUnknownWord(benchmark::State& state) {
  CKLex lex = bench::ReadLexiconTsvFile(VEK_SHIPPED_LEXICON);
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  const std::vector<std::string> words = UnknownWords(lex, parser, 300);
  const morphan::CSpellingSuggester suggester(lex);
  size_t i = 0, offered = 0, none = 0;
  for (auto _ : state) {
    const auto got = suggester.Suggest(words[i++ % words.size()], parser);
    offered += got.size();
    none += got.empty();
  }
  state.counters["lexicon"] = double(lex.GetCount());
  state.counters["words"] = double(words.size());
  state.counters["offered/word"] = double(offered) / double(state.iterations());
  state.counters["none"] = double(none) / double(state.iterations());
}
BENCHMARK(BM_SuggestUnknownWord)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_IndexLexicon(benchmark::State& state) {
  CKLex lex = bench::ReadLexiconTsvFile(VEK_SHIPPED_LEXICON);
  for (auto _ : state) benchmark::DoNotOptimize(morphan::CSpellingSuggester(lex));
}
BENCHMARK(BM_IndexLexicon)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
