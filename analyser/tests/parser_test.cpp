// The analyser's driver: normalisation, uninflected readings and the
// suggestion check's limits.
#include <gtest/gtest.h>

#include "morphan/klingonparser.h"
#include "morphan/parsedword.h"

namespace {

class Normaliser : public CKlingonParser {
 public:
  static std::string Norm(std::string w) {
    AdjustCase(w);
    return w;
  }
  static bool Valid(char c) { return IsValidChar(c) != 0; }
};

CKWord Entry(const std::string& w, int32_t pos, const std::string& def) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  return k;
}

}  // namespace

TEST(Normalise, LettersAndCase) {
  EXPECT_EQ(Normaliser::Norm("QAPLA'"), "Qapla'");       // Q stays, A P L become lower case
  EXPECT_EQ(Normaliser::Norm("qapla'"), "qapla'");       // q stays q
  EXPECT_EQ(Normaliser::Norm("dis"), "DIS");             // d i s are always upper case
  EXPECT_EQ(Normaliser::Norm("Kfxz9 ,.!-"), "");         // not Klingon letters
  EXPECT_EQ(Normaliser::Norm("jIyaj!"), "jIyaj");
  for (char c : std::string("abcdeghijlmnopqrstuvwy'ABCDEGHIJLMNOPQRSTUVWY")) EXPECT_TRUE(Normaliser::Valid(c)) << c;
  for (char c : std::string("fkxzFKXZ019 .,!?-\t")) EXPECT_FALSE(Normaliser::Valid(c)) << c;
}

TEST(Normalise, TlhAndTheLetterH) {
  EXPECT_EQ(Normaliser::Norm("thlIngan"), "tlhIngan");
  EXPECT_EQ(Normaliser::Norm("thIngan"), "tlhIngan");
  EXPECT_EQ(Normaliser::Norm("tlhIngan"), "tlhIngan");
  EXPECT_EQ(Normaliser::Norm("ah"), "'aH");
  EXPECT_EQ(Normaliser::Norm("chah"), "chaH");
  EXPECT_EQ(Normaliser::Norm("ghHom"), "ghHom");
  EXPECT_EQ(Normaliser::Norm("hol"), "Hol");           // h first is H
  EXPECT_EQ(Normaliser::Norm("lh"), "lH");              // l alone before h does not make tlh
  EXPECT_EQ(Normaliser::Norm("tlhh"), "tlhH");
}

TEST(Normalise, LeadingApostrophe) {
  EXPECT_EQ(Normaliser::Norm("Ej"), "'ej");
  EXPECT_EQ(Normaliser::Norm("iw"), "'Iw");
  EXPECT_EQ(Normaliser::Norm("'ej"), "'ej");
  EXPECT_EQ(Normaliser::Norm("u"), "'u");
  EXPECT_EQ(Normaliser::Norm("o"), "'o");
  EXPECT_EQ(Normaliser::Norm("!"), "");
}

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    lex.Add(Entry("'ej", kPosConj, "and"));
    lex.Add(Entry("nuqneH", kPosExcl, "hello"));
    lex.Add(Entry("Qapla'", kPosExcl, "success"));
    lex.Add(Entry("qa", kPosAdverb, "lower-case q"));
    lex.Add(Entry("Qa", kPosQues, "upper-case Q"));
    parser.m_pLexicon = &lex;
  }
  std::vector<CParseResult> Parse(const std::string& w) {
    std::vector<CParseResult> r;
    const int n = parser.ParseWord(w, r);
    EXPECT_EQ(n, static_cast<int>(r.size()));
    return r;
  }
  CKLex lex;
  CKlingonParser parser;
};

TEST_F(ParserTest, UninflectedReadings) {
  auto r = Parse("nuqneH");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].m_strPos, "EXCL");
  EXPECT_EQ(r[0].m_strKey, "nuqneH");
  EXPECT_EQ(r[0].m_strGloss, "hello");
  EXPECT_EQ(r[0].m_dScore, 1.0);
  EXPECT_TRUE(r[0].m_lstErrors.empty());
  EXPECT_TRUE(Parse("nuqneHnuqneH").empty());  // contains the entry but is not it

  ASSERT_EQ(Parse("qa").size(), 1u);
  EXPECT_EQ(Parse("qa")[0].m_strPos, "ADV");
  EXPECT_EQ(Parse("Qa")[0].m_strPos, "Q");
  EXPECT_TRUE(Parse("xyz").empty());
  EXPECT_EQ(parser.m_nDepth, 0);
  EXPECT_TRUE(parser.m_lstVisited.empty());
}

TEST_F(ParserTest, CaseFlagMarksNormalisedWords) {
  auto r = Parse("Qapla'!");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_DOUBLE_EQ(r[0].m_dScore, 1.0 / 1.1);
  EXPECT_EQ(r[0].m_lstErrors, CStringList{"Spelling or case."});
  // The suggestion is the normalised word itself: found in the visited list, kept.
  EXPECT_EQ(r[0].m_lstSuggestions, CStringList{"Qapla'"});
  EXPECT_EQ(r[0].m_strWord, "Qapla'");

  r = Parse("ej");
  ASSERT_EQ(r.size(), 1u);
  EXPECT_EQ(r[0].m_strWord, "'ej");
  EXPECT_EQ(r[0].m_lstErrors.size(), 1u);
}

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
}

TEST_F(ParserTest, EntryWithEmptyTextIsTriedOnEveryWord) {
  lex.Add(Entry("", kPosExcl, "nothing"));
  EXPECT_EQ(Parse("nuqneH").size(), 1u);  // tried, but an exact match fails
  EXPECT_EQ(Parse("").size(), 1u);        // the empty word is that entry
  EXPECT_EQ(Parse("!!").size(), 1u);
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

  CParseResult fresh;
  EXPECT_EQ(fresh.m_dScore, 0.0);
  EXPECT_TRUE(fresh.m_strPos.empty() && fresh.m_lstErrors.empty());
}

TEST(ParsedWord, PosTagsAndExactParse) {
  CParsedWord w;
  w.m_nPosCode = 9;
  EXPECT_EQ(w.POS(), "X");
  w.m_nPosCode = 3;
  EXPECT_EQ(w.POS(), "ADV");
  CKWord e = Entry("vaj", kPosAdverb, "so, then");
  w.Clear();
  EXPECT_EQ(w.Parse("Vaj", e), 0);
  EXPECT_EQ(w.m_dScore, 0.0);
  EXPECT_EQ(w.Parse("vaj", e), 1);
  EXPECT_EQ(w.ToString(), "so, then");
  EXPECT_EQ(w.m_nPosCode, kPosAdverb);
}
