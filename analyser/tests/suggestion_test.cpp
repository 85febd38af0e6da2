// The driver's suggestion check on real noun corrections: what stays, what
// goes, what replaces a faulty correction, and that it ends.
#include <gtest/gtest.h>

#include "morphan/klingonparser.h"

namespace {

CKWord Noun(const std::string& w, const std::string& def, const std::string& irregularForm = "",
            bool irregular = false) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = kPosNoun;
  k.m_strDefinition = def;
  k.m_bIrregular = irregular;
  k.m_strIrregularForm = irregularForm;
  return k;
}

class SuggestionCheck : public ::testing::Test {
 protected:
  void SetUp() override { parser.m_pLexicon = &lex; }
  std::vector<CParseResult> Parse(const std::string& w) {
    std::vector<CParseResult> r;
    parser.ParseWord(w, r);
    return r;
  }
  // A reading put in by the caller, carrying the given suggestions.
  static CParseResult Carrying(CStringList suggestions) {
    CParseResult r;
    r.m_lstSuggestions = std::move(suggestions);
    return r;
  }
  CKLex lex;
  CKlingonParser parser;
};

}  // namespace

TEST_F(SuggestionCheck, VisitedWordsStayEvenWhenFaulty) {
  lex.Add(Noun("Duj", "ship"));
  auto r = Parse("dujpu'");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_DOUBLE_EQ(r[0].m_dScore, 0.5 / 1.1);
  // The spelled-out word is faulty itself, but it is the word being analysed.
  EXPECT_EQ(r[0].m_lstSuggestions, (CStringList{"Dujpu'", "Dujmey"}));
  EXPECT_EQ(parser.SuggestionAnalyses(), 1);  // only Dujmey was analysed
}

TEST_F(SuggestionCheck, CorrectionsWithoutReadingGo) {
  lex.Add(Noun("Duj", "ship", "ghom", true));  // the irregular form is no entry
  auto r = Parse("DujmeyvaD");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].m_lstErrors, CStringList{"Irregular plural: use {ghom}."});
  EXPECT_TRUE(r[0].m_lstSuggestions.empty());  // "ghomvaD" reads as nothing
}

TEST_F(SuggestionCheck, FaultyCorrectionsGiveWayToTheirOwn) {
  lex.Add(Noun("Duj", "ship"));
  auto r = Parse("DujDaqpu'");
  ASSERT_EQ(r.size(), 1u);
  // Offered: Dujpu'Daq (order) and Dujmey (plural). Dujpu'Daq still has pu' on a
  // ship, so its own correction DujmeyDaq takes its place, at the end.
  EXPECT_EQ(r[0].m_lstSuggestions, (CStringList{"Dujmey", "DujmeyDaq"}));
  EXPECT_EQ(r[0].m_lstErrors.size(), 2u);
}

TEST_F(SuggestionCheck, WhatTheLastEntryAddsIsNotVisited) {
  // No known irregular plural: Dujmey and Dujpu' are faulty, and Dujpu'
  // suggests Dujmey.
  lex.Add(Noun("Duj", "ship", "", true));
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
  // ship) and itself (the irregular form).
  lex.Add(Noun("Duj", "ship", "Dujpu'", true));
  auto r = Parse("Dujmey");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].m_lstSuggestions, CStringList{"Dujmey"});

  // Each one, once removed, would otherwise come back behind the other for ever.
  std::vector<CParseResult> callers = {Carrying({"Dujpu'", "Dujmey"}),
                                       Carrying({"Dujmey", "Dujpu'", "Duj"})};
  parser.ParseWord("Duj", callers);
  EXPECT_TRUE(callers[0].m_lstSuggestions.empty());
  EXPECT_EQ(callers[1].m_lstSuggestions, CStringList{"Duj"});
  EXPECT_LT(parser.SuggestionAnalyses(), 20);
}

TEST_F(SuggestionCheck, LongFaultyWordsStayWithinTheBudget) {
  lex.Add(Noun("Duj", "ship"));
  lex.Add(Noun("Duj", "instinct"));
  lex.Add(Noun("ghop", "hand"));
  const std::string word = "Dujra'ma'Du'vamlIjpu'qoqDaqwI'meyHomvo'";
  auto first = Parse(word);
  EXPECT_EQ(parser.SuggestionAnalyses(), CKlingonParser::kSuggestionBudget);
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[0].m_strGloss, "from my so-called minor ship (pl)");
  EXPECT_EQ(first[0].m_dScore, 1.0 / 65536);  // sixteen halvings
  EXPECT_EQ(parser.m_nDepth, 0);
  EXPECT_TRUE(parser.m_lstVisited.empty());

  // The same call again spends a fresh budget and gives the same answer.
  EXPECT_EQ(Parse(word), first);
  EXPECT_EQ(parser.SuggestionAnalyses(), CKlingonParser::kSuggestionBudget);

  // A short word with one fault is far from it: each reading has Dujmey
  // analysed once.
  Parse("Dujpu'");
  EXPECT_EQ(parser.SuggestionAnalyses(), 2);
}
