// Analyser speed on real text: the words of the everyday sentences of the
// data tests, analysed against the shipped lexicon and against that lexicon
// grown tenfold with made-up entries, through the lexicon's text index and
// through the full scan it replaced. Reports the median (and 90th percentile)
// time of one ParseWord per word, over all words and over the sound ones
// (those with a reading that scores 1.0), then a summary of the ratios.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "morphan/klingonparser.h"
#include "morphan/report.h"
#include "synthetic_lexicon.h"
#include "wordbank/lextsv.h"

namespace {

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// range(0): 1 = the shipped lexicon, 10 = grown to ten times its size.
const CKLex& Lexicon(int64_t times) {
  static std::map<int64_t, CKLex> made;
  auto it = made.find(times);
  if (it != made.end()) return it->second;
  // PARSER_BENCH_LEXICON names another lexicon TSV to measure on.
  const char* path = std::getenv("PARSER_BENCH_LEXICON");
  if (!path) path = VEK_LEXICON_TSV;
  CKLex lex;
  std::string error;
  if (!wordbank::ReadLexiconTsv(ReadFile(path), lex, error) || lex.IsEmpty()) {
    std::fprintf(stderr, "parser_bench: cannot read %s: %s\n", path, error.c_str());
    std::exit(2);
  }
  bench::Grow(lex, static_cast<int>(lex.GetCount() * static_cast<size_t>(times)));
  return made.emplace(times, std::move(lex)).first->second;
}

std::vector<std::string> RealWords() {
  std::vector<std::string> words;
  for (const std::string& line : bench::ReadSentenceLines(VEK_SENTENCES_TXT)) {
    std::istringstream in(line);
    for (std::string w; in >> w;) words.push_back(w);
  }
  return words;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  const size_t at = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(at), v.end());
  return v[at];
}

// Median microseconds per sound word, by (lexicon size, full scan).
std::map<std::pair<int64_t, bool>, double> g_medians;

// range(0): lexicon size factor; range(1): 1 = full scan, 0 = index.
void BM_ParseRealWord(benchmark::State& state) {
  CKLex lex = Lexicon(state.range(0));
  const bool fullScan = state.range(1) != 0;
  static const auto words = RealWords();
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  parser.m_bFullScan = fullScan;
  // Each word's time is the median of its own runs, so that a run the
  // scheduler interrupted does not count.
  std::vector<std::vector<double>> samples(words.size());
  std::vector<bool> sound(words.size());
  for (auto _ : state) {
    for (size_t i = 0; i < words.size(); ++i) {
      std::vector<CParseResult> results;
      const auto start = std::chrono::steady_clock::now();
      parser.ParseWord(words[i], results);
      samples[i].push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
      sound[i] = std::any_of(results.begin(), results.end(), [](const CParseResult& r) { return r.m_dScore == 1.0; });
    }
  }
  std::vector<double> all, good;
  for (size_t i = 0; i < words.size(); ++i) {
    const double us = Percentile(samples[i], 0.5);
    all.push_back(us);
    if (sound[i]) good.push_back(us);
  }
  state.counters["entries"] = static_cast<double>(lex.GetCount());
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["sound_words"] = static_cast<double>(good.size());
  state.counters["median_us"] = Percentile(all, 0.5);
  state.counters["sound_median_us"] = Percentile(good, 0.5);
  state.counters["p90_us"] = Percentile(all, 0.9);
  state.counters["max_us"] = Percentile(all, 1.0);
  g_medians[{state.range(0), fullScan}] = Percentile(good, 0.5);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * words.size()));
}
BENCHMARK(BM_ParseRealWord)
    ->ArgsProduct({{1, 10}, {0, 1}})
    ->ArgNames({"x", "full"})
    ->Unit(benchmark::kMillisecond);

// What the first analysis after a change pays to rebuild the index.
void BM_BuildIndex(benchmark::State& state) {
  CKLex lex = Lexicon(state.range(0));
  std::vector<uint32_t> found;
  for (auto _ : state) {
    state.PauseTiming();
    lex.SetAt(lex.begin()->first, lex.begin()->second);  // any change drops the index
    state.ResumeTiming();
    lex.FindEntriesIn("tlhIngan", found);
  }
  state.counters["entries"] = static_cast<double>(lex.GetCount());
}
BENCHMARK(BM_BuildIndex)->Arg(1)->Arg(10)->ArgName("x")->Unit(benchmark::kMillisecond);

// A 100,000-word document of real sentences through the report every
// whole-text tool makes, with and without the memo (range(0) = 1: memo).
void BM_ReportDocument(benchmark::State& state) {
  CKLex lex = Lexicon(1);
  static const auto words = RealWords();
  std::string text;
  for (size_t n = 0; n < 100000; ++n) text += words[n % words.size()] + (n % 12 == 11 ? "\n" : " ");
  for (auto _ : state) {
    CKlingonParser parser;
    parser.m_pLexicon = &lex;
    CParseMemo memo;
    if (state.range(0)) parser.m_pMemo = &memo;
    benchmark::DoNotOptimize(morphan::ReportText(parser, text, "\n"));
  }
}
BENCHMARK(BM_ReportDocument)->Arg(0)->Arg(1)->ArgName("memo")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  auto median = [](int64_t x, bool full) {
    auto it = g_medians.find({x, full});
    return it == g_medians.end() ? 0.0 : it->second;
  };
  if (median(1, false) > 0) {
    std::printf("\nmedian ParseWord of a sound word of real text, microseconds:\n");
    std::printf("  shipped lexicon: index %.2f, full scan %.2f (%.1fx)\n", median(1, false), median(1, true),
                median(1, true) / median(1, false));
    std::printf("  ten times as large: index %.2f (%.2fx the shipped), full scan %.2f\n", median(10, false),
                median(10, false) / median(1, false), median(10, true));
  }
  return 0;
}
