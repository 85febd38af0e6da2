// Spelling suggestions for words without a reading: the distance with Klingon
// letters as units, and the suggestions for misspelt bare and inflected words.
#include <gtest/gtest.h>

#include "morphan/report.h"
#include "morphan/suggest.h"
#include "test_support.h"

using morphan::CSpellingSuggester;
using morphan::SpellingDistance;

TEST(SpellingDistance, KlingonLettersCountAsOne) {
  struct Row {
    const char* a;
    const char* b;
    int halfEdits;
  } rows[] = {
      {"tlhIngan", "tlhIngan", 0},
      {"tlhIngan", "tIngan", 2},     // tlh -> t is one change, not two deletions
      {"chal", "jal", 2},            // ch -> j
      {"ngoH", "noH", 2},            // ng -> n
      {"qapla'", "Qapla'", 1},       // a slip of case is half an edit
      {"Qpala'", "Qapla'", 2},       // neighbours swapped
      {"yaj", "yajDI", 4},           // two letters added
      {"yaj", "yajbe'qu'", 5},       // beyond the limit comes back as limit + 1
      {"ghaH", "gaH", 2},            // gh -> g: one letter changed
      {"", "ab", 4},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(std::string(r.a) + " / " + r.b);
    EXPECT_EQ(SpellingDistance(r.a, r.b, 4), r.halfEdits);
    EXPECT_EQ(SpellingDistance(r.b, r.a, 4), r.halfEdits);
  }
  EXPECT_EQ(morphan::KlingonLetters("tlhIngan'e'"),
            (std::vector<std::string>{"tlh", "I", "ng", "a", "n", "'", "e", "'"}));
}

class SpellingSuggestions : public ::testing::Test {
 protected:
  void SetUp() override {
    // Klingons speak: they take the plural -pu'.
    CKWord klingon = Entry("tlhIngan", kPosNoun, "Klingon");
    klingon.m_bBeing = 1;
    for (const CKWord& w :
         {klingon, Entry("yaj", kPosVerb, "understand"),
          Entry("Qapla'", kPosNoun, "success"), Entry("jagh", kPosNoun, "enemy"),
          Entry("jach", kPosVerb, "scream"), Entry("Sop", kPosVerb, "eat"),
          Entry("nuH", kPosNoun, "weapon"), Entry("Duj", kPosNoun, "ship")})
      m_lex.Add(w);
    m_parser.m_pLexicon = &m_lex;
  }
  std::vector<std::string> Suggest(const std::string& word) {
    return CSpellingSuggester(m_lex).Suggest(word, m_parser);
  }
  CKLex m_lex;
  CKlingonParser m_parser;
};

TEST_F(SpellingSuggestions, NearestFirstAndInflectedFormsChecked) {
  struct Row {
    const char* word;
    std::vector<std::string> first;  // the leading suggestions, in order
  } rows[] = {
      {"qapla'", {"Qapla'"}},                 // half an edit beats everything
      {"tlhIgnan", {"tlhIngan"}},             // a swap of ng and n
      {"jaq", {"jach", "jagh"}},              // equally near: text order
      {"tlhInganpu", {"tlhInganpu'"}},        // the missing apostrophe of a suffix
      {"jaghmey", {}},                        // known words: the analyser accepts them
      {"jaghDaq", {}},
      {"jadhDaq", {"jaghDaq"}},               // misspelt root, suffix kept
      {"vIyej", {"vIyaj"}},                   // prefix kept, root mended
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.word);
    std::vector<CParseResult> results;
    if (CKlingonParser p; (p.m_pLexicon = &m_lex, p.ParseWord(r.word, results) > 0)) {
      EXPECT_TRUE(std::any_of(results.begin(), results.end(),
                              [](const CParseResult& x) { return x.m_dScore == 1.0; }));
      continue;  // known words never reach the suggester
    }
    const std::vector<std::string> got = Suggest(r.word);
    ASSERT_GE(got.size(), r.first.size());
    EXPECT_EQ(std::vector<std::string>(got.begin(), got.begin() + r.first.size()), r.first);
    // Every suggestion is a word the analyser accepts.
    for (const std::string& s : got) {
      std::vector<CParseResult> check;
      m_parser.ParseWord(s, check);
      EXPECT_TRUE(std::any_of(check.begin(), check.end(),
                              [](const CParseResult& x) { return x.m_dScore == 1.0; }))
          << s;
    }
  }
}

TEST_F(SpellingSuggestions, FormsTheAnalyserRejectsAreNotOffered) {
  // jach is as near as jagh, but a verb takes no -Daq.
  const std::vector<std::string> got = Suggest("jadhDaq");
  EXPECT_EQ(std::count(got.begin(), got.end(), "jachDaq"), 0);
  EXPECT_EQ(std::count(got.begin(), got.end(), "jaghDaq"), 1);
}

TEST_F(SpellingSuggestions, FarAndDamagedInputGetsNone) {
  EXPECT_TRUE(Suggest("xxxxxxxxxx").empty());
  EXPECT_TRUE(Suggest(std::string(5000, 'a')).empty());
  EXPECT_TRUE(Suggest("").empty());
  EXPECT_TRUE(Suggest("\xff\xfe\x80").empty());
}

TEST(ErrorNote, CountAndScoreWithTwoDecimals) {
  CParseResult r;
  EXPECT_EQ(morphan::ErrorNote(r), "");
  r.m_lstErrors = {"one"};
  r.m_dScore = 1 / 1.1;
  EXPECT_EQ(morphan::ErrorNote(r), " (1 errors 0.91)");
  r.m_lstErrors.push_back("two");
  r.m_dScore = 0.5;
  EXPECT_EQ(morphan::ErrorNote(r), " (2 errors 0.50)");
}
