// The suggestion check on the worst words we know: nouns whose every suffix is
// faulty, out of order or repeated, and verbs with a stative root, an object
// prefix and many repeated, misplaced and slang suffixes, so that most
// corrections are faulty again. Reports the time per word and the analyses its
// suggestion check made.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"

namespace {

enum Flags { kBeing = 1, kBody = 2, kStative = 4 };

CKWord Entry(const std::string& w, int32_t pos, const std::string& def, int flags = 0) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bBeing = (flags & kBeing) != 0;
  k.m_bBodyPart = (flags & kBody) != 0;
  k.m_bStative = (flags & kStative) != 0;
  return k;
}

// The real entries among made-up ones up to 2,000, so that every analysis pays
// for a lexicon of realistic size. The fillers are nouns and adverbs, and
// verbs too when `verbs` is set.
CKLex MakeLexicon(const std::vector<CKWord>& real, unsigned seed, bool verbs) {
  CKLex lex;
  for (const auto& e : real) lex.Add(e);
  static const char* kLetters[] = {"b", "ch", "D", "gh", "H", "j", "l", "m", "n", "ng", "p",
                                   "q", "Q", "r", "S", "t", "tlh", "v", "w", "y", "'"};
  static const char* kVowels[] = {"a", "e", "I", "o", "u"};
  std::mt19937 rng(seed);
  while (lex.GetCount() < 2000) {
    std::string w;
    for (int syllables = 1 + static_cast<int>(rng() % 2); syllables > 0; --syllables)
      w += std::string(kLetters[rng() % 21]) + kVowels[rng() % 5] + kLetters[rng() % 21];
    const unsigned roll = rng() % 3;
    const int32_t pos = verbs ? (roll == 0 ? kPosVerb : roll == 1 ? kPosNoun : kPosAdverb)
                              : (roll != 0 ? kPosNoun : kPosAdverb);
    lex.Add(Entry(w, pos, "filler"));
  }
  return lex;
}

// Analyses `word` once per iteration and reports what its suggestion check did.
void RunWord(benchmark::State& state, CKLex& lex, const std::string& word) {
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  size_t readings = 0;
  for (auto _ : state) {
    std::vector<CParseResult> results;
    readings += parser.ParseWord(word, results);
  }
  benchmark::DoNotOptimize(readings);
  state.counters["analyses"] = parser.SuggestionAnalyses();
  state.counters["chars"] = static_cast<double>(word.size());
}

// The noun root followed by range(0) suffixes, each one wrong where it stands.
void BM_WorstNounWord(benchmark::State& state) {
  static CKLex lex = MakeLexicon({Entry("Duj", kPosNoun, "ship, vessel"), Entry("Duj", kPosNoun, "instinct"),
                                  Entry("tlhIngan", kPosNoun, "Klingon", kBeing),
                                  Entry("ghop", kPosNoun, "hand", kBody)},
                                 3, false);
  static const char* kFaulty[] = {"ra'", "ma'", "Du'", "vam", "lIj", "pu'",
                                  "qoq", "Daq", "wI'", "mey", "Hom", "vo'"};
  std::string word = "Duj";
  for (int i = 0; i < state.range(0); ++i) word += kFaulty[i % 12];
  RunWord(state, lex, word);
}
BENCHMARK(BM_WorstNounWord)->Arg(3)->Arg(5)->Arg(8)->Arg(20)->Arg(40)->Arg(160)
    ->Unit(benchmark::kMillisecond);

void BM_VerbWorstWord(benchmark::State& state) {
  static CKLex lex = MakeLexicon({Entry("legh", kPosVerb, "see"), Entry("ghoj", kPosVerb, "learn"),
                                  Entry("tIn", kPosVerb, "be big", kStative),
                                  Entry("Dun", kPosVerb, "be great", kStative),
                                  Entry("jIH", kPosPronoun, "I, me")},
                                 5, true);
  static const std::string kWords[] = {
      "yIleghpu'be'",  // one fault, one flawless correction
      "vItInmoH'eghpu'taHQo'laHvIpneSjajbe'qu'Ha'",
      "DItInpu'taHmoH'eghchuqQo'lu'la'luHvIprupnISneSneSvISbe'qu'Ha'jaj",
      "tIDunvIpbe'qu'Ha'lI'pu'ta'taHmoHchuq'eghla'luHlu'laHneSQo'be'jajvISbe'",
  };
  const std::string& word = kWords[state.range(0)];
  state.SetLabel(word);
  RunWord(state, lex, word);
}
BENCHMARK(BM_VerbWorstWord)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
