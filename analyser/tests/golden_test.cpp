// Golden fixtures: each folder under fixtures/ holds a lexicon.tsv, the words
// to analyse (words.txt, one a line, "#" comments) and expected.jsonl, one line
// per word in the form of `vek-analyze --json`.
#include <gtest/gtest.h>

#include <algorithm>

#include "morphan/report.h"
#include "test_support.h"
#include "wordbank/lextsv.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Folders() {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(VEK_FIXTURES_DIR))
    if (fs::exists(e.path() / "lexicon.tsv")) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class Golden : public ::testing::TestWithParam<std::string> {};

TEST_P(Golden, ReadingsMatch) {
  const fs::path dir = fs::path(VEK_FIXTURES_DIR) / GetParam();
  CKLex lex;
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(Slurp(dir / "lexicon.tsv"), lex, error)) << error;
  const auto words = Lines(dir / "words.txt", true);
  const auto expected = Lines(dir / "expected.jsonl", false);
  ASSERT_EQ(words.size(), expected.size()) << "one expected line per word";
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  for (size_t i = 0; i < words.size(); ++i)
    EXPECT_EQ(morphan::PieceJson(parser, words[i]), expected[i]) << "word " << words[i];
}

INSTANTIATE_TEST_SUITE_P(Fixtures, Golden, ::testing::ValuesIn(Folders()),
                         [](const auto& info) { return info.param; });

}  // namespace
