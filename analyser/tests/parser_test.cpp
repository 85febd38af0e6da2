// The analyser's driver: normalisation, the records it returns and the
// suggestion check's limits. Whole-word readings are in fixtures/.
#include <gtest/gtest.h>

#include "morphan/parsedword.h"
#include "test_support.h"

namespace {

class Normaliser : public CKlingonParser {
 public:
  static std::string Norm(std::string w) {
    AdjustCase(w);
    return w;
  }
  static bool Valid(char c) { return IsValidChar(c) != 0; }
};

TEST(Normalise, LettersCaseTlhAndApostrophe) {
  const auto rows = Lines(VEK_FIXTURES_DIR "/normalise.tsv");
  EXPECT_EQ(rows.size(), 24u);
  for (const std::string& row : rows) {
    const auto cols = Columns(row);
    ASSERT_EQ(cols.size(), 2u) << row;
    EXPECT_EQ(Normaliser::Norm(cols[0]), cols[1]) << row;
  }
  for (char c : std::string("abcdeghijlmnopqrstuvwy'ABCDEGHIJLMNOPQRSTUVWY")) EXPECT_TRUE(Normaliser::Valid(c)) << c;
  for (char c : std::string("fkxzFKXZ019 .,!?-\t")) EXPECT_FALSE(Normaliser::Valid(c)) << c;
}

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lex.Add(Entry("nuqneH", kPosExcl, "hello"));
    lex.Add(Entry("Qapla'", kPosExcl, "success"));
    parser.m_pLexicon = &lex;
  }
  CKLex lex;
  CKlingonParser parser;
};

TEST_F(ParserTest, CallerResultsAreKeptAndTheirSuggestionsChecked) {
  std::vector<CParseResult> r(1);
  r[0].m_strWord = "earlier";
  r[0].m_lstSuggestions = {"nuqneH", "bogus", "QAPLA'", "Qapla'"};
  EXPECT_EQ(parser.ParseWord("nuqneH", r), 2);
  // nuqneH is being analysed (visited) and stays; bogus has no reading and goes;
  // QAPLA' reads only with a spelling fault, so it is replaced by that reading's
  // suggestion, which already stands in the list and is not added twice.
  EXPECT_EQ(r[0].m_lstSuggestions, (CStringList{"nuqneH", "Qapla'"}));
  EXPECT_EQ(r[1].m_strGloss, "hello");
  EXPECT_EQ(parser.m_nDepth, 0);
  EXPECT_TRUE(parser.m_lstVisited.empty());
}

TEST_F(ParserTest, EntryWithEmptyTextIsTriedOnEveryWord) {
  lex.Add(Entry("", kPosExcl, "nothing"));
  EXPECT_EQ(ParseAll(parser, "nuqneH").size(), 1u);  // tried, but an exact match fails
  EXPECT_EQ(ParseAll(parser, "").size(), 1u);        // the empty word is that entry
  EXPECT_EQ(ParseAll(parser, "!!").size(), 1u);
}

TEST_F(ParserTest, SuggestionBudgetCoversTheWholeCall) {
  // Many valid suggestions: those analysed stay, those past the budget go.
  std::vector<CParseResult> r(1);
  const std::string letters = "bDjlmnprSvwy";
  for (int i = 0; i < 2500; ++i) {
    std::string w = "Qa";
    for (int n = i; n > 0; n /= 12) w += letters[n % 12];
    w += "'";
    lex.Add(Entry(w, kPosExcl, "x"));
    r[0].m_lstSuggestions.push_back(w);
  }
  parser.ParseWord("nuqneH", r);
  EXPECT_EQ(r[0].m_lstSuggestions.size(), static_cast<size_t>(CKlingonParser::kSuggestionBudget));
  EXPECT_EQ(r[0].m_lstSuggestions.front(), "Qa'");

  // A second top-level call has a fresh budget.
  std::vector<CParseResult> again(1);
  again[0].m_lstSuggestions = {"Qapla'"};
  parser.ParseWord("nuqneH", again);
  EXPECT_EQ(again[0].m_lstSuggestions, CStringList{"Qapla'"});
}

TEST_F(ParserTest, DeepWalksAnalyseNothing) {
  for (int depth : {30, 31}) {
    CKlingonParser p;
    p.m_pLexicon = &lex;
    p.m_nDepth = depth;  // the walk then runs at depth + 1
    std::vector<CParseResult> r(1);
    r[0].m_lstSuggestions = {"Qapla'", "nuqneH"};
    p.ParseWord("nuqneH", r);
    if (depth + 1 < CKlingonParser::kMaxDepth)
      EXPECT_EQ(r[0].m_lstSuggestions, (CStringList{"Qapla'", "nuqneH"}));
    else  // only the visited word survives
      EXPECT_EQ(r[0].m_lstSuggestions, CStringList{"nuqneH"});
  }
}

TEST(ParseResult, CaseAndDeepCopies) {
  CParseResult fresh;
  EXPECT_EQ(fresh.m_dScore, 0.0);
  EXPECT_TRUE(fresh.m_strPos.empty() && fresh.m_lstErrors.empty());

  CParseResult r;
  r.m_strWord = "Qapla'";
  r.m_dScore = 1.0;
  r.Case();
  r.Case();
  EXPECT_DOUBLE_EQ(r.m_dScore, 1.0 / 1.1 / 1.1);
  EXPECT_EQ(r.m_lstErrors, (CStringList{"Spelling or case.", "Spelling or case."}));
  EXPECT_EQ(r.m_lstSuggestions, (CStringList{"Qapla'", "Qapla'"}));

  CParseResult copy = r;
  copy.m_lstErrors.push_back("more");
  copy.m_lstSuggestions.clear();
  EXPECT_EQ(r.m_lstErrors.size(), 2u);
  EXPECT_EQ(r.m_lstSuggestions.size(), 2u);
}

TEST(ParsedWord, PosTagsAndExactParse) {
  CParsedWord w;
  w.m_nPosCode = 9;
  EXPECT_EQ(w.POS(), "X");
  w.Clear();
  const CKWord e = Entry("vaj", kPosAdverb, "so, then");
  EXPECT_EQ(w.Parse("Vaj", e), 0);
  EXPECT_EQ(w.m_dScore, 0.0);
  EXPECT_EQ(w.Parse("vaj", e), 1);
  EXPECT_EQ(w.ToString(), "so, then");
  EXPECT_EQ(w.POS(), "ADV");
}

}  // namespace
