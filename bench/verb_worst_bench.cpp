// The suggestion check on the worst verb words we know: a stative root with an
// object prefix and many suffixes, repeated, out of order, slang and misplaced
// rovers, so that most corrections are faulty again. Reports the time per word
// and the analyses its suggestion check made.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"

namespace {

CKWord Entry(const std::string& w, int32_t pos, const std::string& def, int stative = 0) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bStative = stative;
  return k;
}

// A few real verbs among 2,000 made-up entries, so that every analysis pays
// for a lexicon of realistic size.
CKLex MakeLexicon() {
  CKLex lex;
  lex.Add(Entry("legh", kPosVerb, "see"));
  lex.Add(Entry("ghoj", kPosVerb, "learn"));
  lex.Add(Entry("tIn", kPosVerb, "be big", 1));
  lex.Add(Entry("Dun", kPosVerb, "be great", 1));
  lex.Add(Entry("jIH", kPosPronoun, "I, me"));
  static const char* kLetters[] = {"b", "ch", "D", "gh", "H", "j", "l", "m", "n", "ng", "p",
                                   "q", "Q", "r", "S", "t", "tlh", "v", "w", "y", "'"};
  static const char* kVowels[] = {"a", "e", "I", "o", "u"};
  std::mt19937 rng(5);
  while (lex.GetCount() < 2000) {
    std::string w;
    for (int syllables = 1 + static_cast<int>(rng() % 2); syllables > 0; --syllables)
      w += std::string(kLetters[rng() % 21]) + kVowels[rng() % 5] + kLetters[rng() % 21];
    const unsigned roll = rng() % 3;
    lex.Add(Entry(w, roll == 0 ? kPosVerb : roll == 1 ? kPosNoun : kPosAdverb, "filler"));
  }
  return lex;
}

const std::vector<std::string>& Words() {
  static const std::vector<std::string> words = {
      "yIleghpu'be'",  // one fault, one flawless correction
      "vItInmoH'eghpu'taHQo'laHvIpneSjajbe'qu'Ha'",
      "DItInpu'taHmoH'eghchuqQo'lu'la'luHvIprupnISneSneSvISbe'qu'Ha'jaj",
      "tIDunvIpbe'qu'Ha'lI'pu'ta'taHmoHchuq'eghla'luHlu'laHneSQo'be'jajvISbe'",
  };
  return words;
}

void BM_VerbWorstWord(benchmark::State& state) {
  static CKLex lex = MakeLexicon();
  const std::string& word = Words()[static_cast<size_t>(state.range(0))];
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  size_t readings = 0;
  for (auto _ : state) {
    std::vector<CParseResult> results;
    readings += parser.ParseWord(word, results);
  }
  benchmark::DoNotOptimize(readings);
  state.SetLabel(word);
  state.counters["analyses"] = parser.SuggestionAnalyses();
}
BENCHMARK(BM_VerbWorstWord)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
