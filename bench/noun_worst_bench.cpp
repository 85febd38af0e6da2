// The suggestion check on the worst noun words we know: every suffix faulty,
// out of order or repeated, so that each correction is itself faulty again.
// Reports the time per word and the analyses its suggestion check made.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "morphan/klingonparser.h"

namespace {

CKWord Entry(const std::string& w, int32_t pos, const std::string& def, bool being = false,
             bool body = false) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bBeing = being;
  k.m_bBodyPart = body;
  return k;
}

// A few real nouns among 2,000 made-up entries, so that every analysis pays
// for a lexicon of realistic size.
CKLex MakeLexicon() {
  CKLex lex;
  lex.Add(Entry("Duj", kPosNoun, "ship, vessel"));
  lex.Add(Entry("Duj", kPosNoun, "instinct"));
  lex.Add(Entry("tlhIngan", kPosNoun, "Klingon", true));
  lex.Add(Entry("ghop", kPosNoun, "hand", false, true));
  static const char* kLetters[] = {"b", "ch", "D", "gh", "H", "j", "l", "m", "n", "ng", "p",
                                   "q", "Q", "r", "S", "t", "tlh", "v", "w", "y", "'"};
  static const char* kVowels[] = {"a", "e", "I", "o", "u"};
  std::mt19937 rng(3);
  while (lex.GetCount() < 2000) {
    std::string w;
    for (int syllables = 1 + static_cast<int>(rng() % 2); syllables > 0; --syllables)
      w += std::string(kLetters[rng() % 21]) + kVowels[rng() % 5] + kLetters[rng() % 21];
    lex.Add(Entry(w, rng() % 3 ? kPosNoun : kPosAdverb, "filler"));
  }
  return lex;
}

// The root followed by `count` suffixes, each one wrong where it stands.
std::string WorstWord(const std::string& root, int count) {
  static const char* kFaulty[] = {"ra'", "ma'", "Du'", "vam", "lIj", "pu'",
                                  "qoq", "Daq", "wI'", "mey", "Hom", "vo'"};
  std::string w = root;
  for (int i = 0; i < count; ++i) w += kFaulty[i % 12];
  return w;
}

void BM_WorstNounWord(benchmark::State& state) {
  CKLex lex = MakeLexicon();
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  const std::string word = WorstWord("Duj", static_cast<int>(state.range(0)));
  int analyses = 0;
  for (auto _ : state) {
    std::vector<CParseResult> results;
    benchmark::DoNotOptimize(parser.ParseWord(word, results));
    analyses = parser.SuggestionAnalyses();
  }
  state.counters["analyses"] = analyses;
  state.counters["chars"] = static_cast<double>(word.size());
}
BENCHMARK(BM_WorstNounWord)->Arg(3)->Arg(5)->Arg(8)->Arg(20)->Arg(40)->Arg(160)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
