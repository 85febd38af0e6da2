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

// The sentences, one a line, without comment and blank lines.
std::vector<std::string> Sentences() {
  std::vector<std::string> out;
  std::istringstream in(datatest::ReadFile(VEK_SENTENCES_TXT));
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    out.push_back(line);
  }
  return out;
}

TEST(LexiconCoverage, SentencesAreCleanText) {
  // Punctuation or doubled blanks would be counted against the lexicon.
  const std::string letters = "abcDeghHIjlmnopqQrStuvwy'";
  const auto sentences = Sentences();
  EXPECT_GE(sentences.size(), 150u);
  for (const auto& s : sentences) {
    EXPECT_EQ(s.find_first_not_of(letters + " "), std::string::npos) << s;
    EXPECT_EQ(s.find("  "), std::string::npos) << s;
    EXPECT_NE(s.front(), ' ') << s;
    EXPECT_NE(s.back(), ' ') << s;
  }
}

TEST(LexiconCoverage, AlmostEveryWordOfEverydaySentencesReadsCleanly) {
  CKLex lex = datatest::ShippedLexicon();
  CKlingonParser parser;
  parser.m_pLexicon = &lex;

  size_t words = 0, clean = 0;
  std::string missed;
  for (const auto& sentence : Sentences()) {
    std::istringstream in(sentence);
    std::string word;
    while (in >> word) {
      ++words;
      std::vector<CParseResult> results;
      parser.ParseWord(word, results);
      bool ok = false;
      for (const auto& r : results) ok = ok || r.m_dScore == 1.0;
      if (ok) {
        ++clean;
      } else {
        missed += "  " + word + "   (" + sentence + ")\n";
      }
    }
  }
  ASSERT_GT(words, 500u);
  const double share = static_cast<double>(clean) / static_cast<double>(words);
  std::cout << clean << " of " << words << " words read cleanly (" << share * 100.0 << "%)\n";
  if (!missed.empty()) std::cout << "words without a clean reading:\n" << missed;
  EXPECT_GE(share, 0.97);
}

}  // namespace
