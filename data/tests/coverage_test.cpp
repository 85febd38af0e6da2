// How much of ordinary Klingon the shipped lexicon reads: every word of a set
// of everyday sentences is analysed, and a word counts when some reading of it
// has no problem at all (score 1.0).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"
#include "testutil.h"

namespace {

TEST(LexiconCoverage, AlmostEveryWordOfEverydaySentencesReadsCleanly) {
  CKLex lex = datatest::ShippedLexicon();
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  const auto sentences = datatest::Lines(VEK_SENTENCES_TXT);
  EXPECT_GE(sentences.size(), 150u);
  size_t words = 0, clean = 0;
  std::string missed;
  for (const auto& sentence : sentences) {
    // Punctuation or doubled blanks would be counted against the lexicon.
    EXPECT_EQ(sentence.find_first_not_of("abcDeghHIjlmnopqQrStuvwy' "), std::string::npos) << sentence;
    EXPECT_EQ(sentence.find("  "), std::string::npos) << sentence;
    EXPECT_TRUE(sentence.front() != ' ' && sentence.back() != ' ') << sentence;
    std::istringstream in(sentence);
    for (std::string word; in >> word; ++words) {
      std::vector<CParseResult> results;
      parser.ParseWord(word, results);
      bool ok = false;
      for (const auto& r : results) ok = ok || r.m_dScore == 1.0;
      if (ok) ++clean;
      else missed += "  " + word + "   (" + sentence + ")\n";
    }
  }
  ASSERT_GT(words, 500u);
  const double share = static_cast<double>(clean) / static_cast<double>(words);
  std::cout << clean << " of " << words << " words read cleanly (" << share * 100.0 << "%)\n";
  if (!missed.empty()) std::cout << "words without a clean reading:\n" << missed;
  EXPECT_GE(share, 0.97);
}

}  // namespace
