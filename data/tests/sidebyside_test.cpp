// The analyser's lexicon index against the full scan it replaces, on the
// shipped lexicon: real sentences, inflections built on every entry, and
// noise, each word analysed both ways (and once more through a memo) with
// identical readings, order, glosses, scores, messages and suggestions.
#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"
#include "testutil.h"

namespace {

std::vector<std::string> TestWords(const CKLex& lex) {
  std::vector<std::string> words;
  for (const auto& sentence : datatest::Lines(VEK_SENTENCES_TXT)) {
    std::istringstream in(sentence);
    for (std::string w; in >> w;) words.push_back(w);
  }
  const size_t real = words.size();

  static const char* const kNounSuffixes[] = {"",    "pu'", "Du'", "mey", "Hom", "'a'", "qoq", "wIj",
                                              "lIj", "Daq", "vo'", "vaD", "mo'", "'e'", "vam", "Hey"};
  static const char* const kPrefixes[] = {"", "jI", "bI", "vI", "Da", "qa", "yI", "mu", "lu", "nu", "Su"};
  static const char* const kVerbSuffixes[] = {"",    "'egh", "chuq", "nIS", "qang", "rup", "be'", "qu'",
                                              "choH", "moH", "lu'", "laH", "pu'", "ta'", "taH", "lI'",
                                              "meH", "wI'", "bogh", "vIS", "Ha'", "Qo'", "jaj", "ghach"};
  std::mt19937 rng(3);
  auto pick = [&](const auto& table) { return std::string(table[rng() % std::size(table)]); };
  // Two forms on each of some 1,000 entries, to keep the test quick on a large lexicon.
  const size_t stride = 1 + lex.GetCount() / 1000;
  size_t n = 0;
  for (const auto& [key, entry] : lex) {
    if (n++ % stride) continue;
    const std::string& w = entry.m_strWord;
    for (int form = 0; form < 2; ++form) {
      if (entry.m_nPos == kPosVerb || (entry.m_nPos == kPosPronoun && form == 0))
        words.push_back(pick(kPrefixes) + w + pick(kVerbSuffixes) + pick(kVerbSuffixes));
      else
        words.push_back(w + pick(kNounSuffixes) + pick(kNounSuffixes));
    }
  }
  const size_t built = words.size();

  // Misspellings of real and built words, letter soup and bytes.
  const std::string letters = "abcDeghHIjlmnopqQrStuvwy'";
  for (size_t i = 0; i < built; i += 2) {
    std::string w = words[i];
    if (w.empty()) continue;
    const size_t at = rng() % w.size();
    switch (rng() % 4) {
      case 0: w.erase(at, 1); break;
      case 1: w.insert(at, 1, letters[rng() % letters.size()]); break;
      case 2: w[at] = static_cast<char>(std::toupper(static_cast<unsigned char>(w[at]))); break;
      default: w = "th" + w + "!"; break;
    }
    words.push_back(w);
  }
  for (int i = 0; i < 500; ++i) {
    std::string w(1 + rng() % 14, ' ');
    for (char& c : w) c = i % 5 ? letters[rng() % letters.size()] : static_cast<char>(rng() % 256);
    words.push_back(w);
  }
  EXPECT_GT(real, 500u);
  return words;
}

TEST(LexiconIndex, ShippedLexiconReadsEveryWordAsTheFullScanDoes) {
  CKLex lex = datatest::ShippedLexicon();
  const auto words = TestWords(lex);
  ASSERT_GT(words.size(), 3000u);
  CKlingonParser indexed, scanning, memoised;
  indexed.m_pLexicon = scanning.m_pLexicon = memoised.m_pLexicon = &lex;
  scanning.m_bFullScan = true;
  CParseMemo memo;
  memoised.m_pMemo = &memo;
  size_t withReadings = 0;
  for (const auto& w : words) {
    std::vector<CParseResult> byIndex, byScan, byMemo;
    indexed.ParseWord(w, byIndex);
    scanning.ParseWord(w, byScan);
    ASSERT_EQ(byIndex, byScan) << w;
    ASSERT_EQ(indexed.SuggestionAnalyses(), scanning.SuggestionAnalyses()) << w;
    memoised.ParseWord(w, byMemo);
    ASSERT_EQ(byMemo, byScan) << w;
    withReadings += !byScan.empty();
  }
  // The words must exercise the analyser, not just miss.
  EXPECT_GT(withReadings, words.size() / 2);
  EXPECT_GT(memo.Hits(), 0u);
  std::cout << words.size() << " words, " << withReadings << " with readings, " << memo.Hits()
            << " answered by the memo\n";
}

}  // namespace
