// The driver's suggestion check on caller readings, and how much it analyses.
// What the readings of single words suggest is in fixtures/.
#include <gtest/gtest.h>

#include "test_support.h"

namespace {

constexpr int kIrregular = 2;

class SuggestionCheck : public ::testing::Test {
 protected:
  void SetUp() override { parser.m_pLexicon = &lex; }
  // A reading put in by the caller, carrying the given suggestions.
  static CParseResult Carrying(CStringList suggestions) {
    CParseResult r;
    r.m_lstSuggestions = std::move(suggestions);
    return r;
  }
  CKLex lex;
  CKlingonParser parser;
};

TEST_F(SuggestionCheck, WhatTheLastEntryAddsIsNotVisited) {
  // No known irregular plural: Dujmey and Dujpu' are faulty, and Dujpu'
  // suggests Dujmey.
  lex.Add(Entry("Duj", kPosNoun, "ship", kIrregular));
  std::vector<CParseResult> r = {Carrying({"Dujmey"}), Carrying({"Dujpu'"}),
                                 Carrying({"Dujpu'", "Duj"})};
  parser.ParseWord("Duj", r);
  ASSERT_EQ(r.size(), 4u);
  EXPECT_TRUE(r[0].m_lstSuggestions.empty());
  // Dujpu' was last: the Dujmey it brings in is kept without a look.
  EXPECT_EQ(r[1].m_lstSuggestions, CStringList{"Dujmey"});
  // Dujpu' was not last: Dujmey is looked at later in the walk and goes.
  EXPECT_EQ(r[2].m_lstSuggestions, CStringList{"Duj"});
  EXPECT_EQ(r[3].m_strGloss, "ship");
}

TEST_F(SuggestionCheck, CorrectionsThatSuggestEachOtherEnd) {
  // Dujmey suggests the irregular Dujpu'; Dujpu' suggests Dujmey (pu' on a
  // ship) and itself. Each one, once removed, would otherwise come back
  // behind the other for ever.
  CKWord ship = Entry("Duj", kPosNoun, "ship", kIrregular);
  ship.m_strIrregularForm = "Dujpu'";
  lex.Add(ship);
  std::vector<CParseResult> callers = {Carrying({"Dujpu'", "Dujmey"}),
                                       Carrying({"Dujmey", "Dujpu'", "Duj"})};
  parser.ParseWord("Duj", callers);
  EXPECT_TRUE(callers[0].m_lstSuggestions.empty());
  EXPECT_EQ(callers[1].m_lstSuggestions, CStringList{"Duj"});
  EXPECT_LT(parser.SuggestionAnalyses(), 20);
}

TEST_F(SuggestionCheck, AnalysesStayWithinTheBudget) {
  lex.Add(Entry("Duj", kPosNoun, "ship"));
  // The visited word is not analysed again: only Dujmey is.
  ParseAll(parser, "dujpu'");
  EXPECT_EQ(parser.SuggestionAnalyses(), 1);

  lex.Add(Entry("Duj", kPosNoun, "instinct"));
  lex.Add(Entry("ghop", kPosNoun, "hand"));
  const std::string word = "Dujra'ma'Du'vamlIjpu'qoqDaqwI'meyHomvo'";
  const auto first = ParseAll(parser, word);
  EXPECT_EQ(parser.SuggestionAnalyses(), CKlingonParser::kSuggestionBudget);
  EXPECT_EQ(parser.m_nDepth, 0);
  EXPECT_TRUE(parser.m_lstVisited.empty());
  // The same call again spends a fresh budget and gives the same answer.
  EXPECT_EQ(ParseAll(parser, word), first);
  EXPECT_EQ(parser.SuggestionAnalyses(), CKlingonParser::kSuggestionBudget);
  // A short word with one fault is far from it: each reading has Dujmey
  // analysed once.
  ParseAll(parser, "Dujpu'");
  EXPECT_EQ(parser.SuggestionAnalyses(), 2);
}

// Chains of imperative corrections end quickly.
TEST_F(SuggestionCheck, VerbCorrectionChainsEnd) {
  lex.Add(Entry("legh", kPosVerb, "see"));
  lex.Add(Entry("tIn", kPosVerb, "be big", 1));
  for (const char* w : {"vItInluH", "yIleghneSQo'be'", "yIleghQo'be'neS", "peleghbe'Qo'neSbe'",
                        "yIleghQo'be'qu'neSbe'"}) {
    ParseAll(parser, w);
    EXPECT_LT(parser.SuggestionAnalyses(), 200) << w;
  }
}

}  // namespace
