// The lexicon's text index and the memo against plain analysis: the same
// readings, in the same order, with the same suggestion check, whatever
// happens to the lexicon between calls; and the length limit on words.
#include <gtest/gtest.h>

#include "test_support.h"
#include "wordbank/lextsv.h"

namespace {

struct Outcome {
  std::vector<CParseResult> readings;
  int analyses = 0;
  bool operator==(const Outcome&) const = default;
};

Outcome Analyse(CKLex& lex, const std::string& word, bool fullScan, CParseMemo* memo = nullptr) {
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  parser.m_bFullScan = fullScan;
  parser.m_pMemo = memo;
  Outcome out;
  parser.ParseWord(word, out.readings);
  out.analyses = parser.SuggestionAnalyses();
  return out;
}

// A small lexicon with what trips up an index: homonyms, nested and
// overlapping texts, an entry with an empty text, texts that can never occur
// in a normalised word, every part of speech.
CKLex OddLexicon() {
  CKLex lex;
  lex.Add(Entry("Duj", kPosNoun, "ship"));
  lex.Add(Entry("Duj", kPosNoun, "instinct"));
  lex.Add(Entry("legh", kPosVerb, "see"));
  lex.Add(Entry("tIn", kPosVerb, "be big", 1));
  lex.Add(Entry("jIH", kPosPronoun, "I, me"));
  lex.Add(Entry("wa'", kPosNumber, "one"));
  lex.Add(Entry("maH", kPosNumber, "ten"));
  lex.Add(Entry("maH", kPosPronoun, "we"));
  lex.Add(Entry("a", kPosExcl, "a bare letter"));
  lex.Add(Entry("'a'", kPosExcl, "apostrophes"));
  lex.Add(Entry("Qapla' batlh", kPosExcl, "a phrase"));
  lex.Add(Entry("Dujmey", kPosNoun, "ships, as one entry"));
  lex.Add(Entry("ghop", kPosNoun, "hand"));
  lex.Add(Entry("nuq", kPosQues, "what"));
  lex.Add(Entry("nuqneH", kPosExcl, "hello"));
  return lex;
}

const std::vector<std::string> kWords = {
    "Duj",     "Dujmey",  "dujpu'",   "DujDaq",      "jIlegh",  "vIleghpu'", "tInmoH",  "jIHvaD",
    "jIHtaH",  "wa'maH",  "maHvaD",   "wa'DIch",     "a",       "'a'",       "aa",      "Qapla'",
    "nuqneH",  "nuq",     "thIngan",  "legh!",       "ghopDu'", "ghopmey",   "",        "!!",
    "xyz",     "leghDuj", "DujleghtIn", "maHmaHmaH", "qaleghbe'", "tIntIn"};

TEST(LexiconIndex, SameReadingsAsTheFullScanThroughEveryChangeOfTheLexicon) {
  CKLex lex = OddLexicon();
  auto expectSame = [&](const std::string& when) {
    for (const auto& w : kWords) ASSERT_EQ(Analyse(lex, w, false), Analyse(lex, w, true)) << w << " " << when;
  };
  expectSame("at first");
  lex.Add(Entry("", kPosExcl, "nothing"));
  expectSame("after adding an empty text");
  CKWord renamed = Entry("tIn", kPosNoun, "no longer a ship");
  lex.SetAt("Duj", renamed);
  expectSame("after changing an entry's text");
  EXPECT_EQ(Analyse(lex, "Duj", false).readings.size(), 1u);
  lex.SetAt("Duj:3", Entry("ghop", kPosVerb, "new under a key of its own"));
  expectSame("after setting a new key");
  EXPECT_TRUE(lex.RemoveKey("legh"));
  expectSame("after removing an entry");
  lex.ResetScores();
  CKLex other = OddLexicon();
  other.Add(Entry("jIlegh", kPosExcl, "whole word"));
  lex = other;
  expectSame("after assigning another lexicon");
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(wordbank::WriteLexiconTsv(OddLexicon()), lex, error)) << error;
  expectSame("after reading a TSV into it");
  lex.RemoveAll();
  expectSame("when empty");
}

TEST(ParseMemo, GivesWhatAnalysisGivesAndFollowsTheLexicon) {
  CKLex lex = OddLexicon();
  CParseMemo memo;
  // Twice over, and with a spelling that normalises to a word seen already.
  for (int round = 0; round < 2; ++round)
    for (const auto& w : kWords) ASSERT_EQ(Analyse(lex, w, false, &memo), Analyse(lex, w, true)) << w;
  EXPECT_EQ(memo.Hits(), kWords.size());
  ASSERT_EQ(Analyse(lex, "dUJ", false, &memo), Analyse(lex, "dUJ", true));
  EXPECT_EQ(Analyse(lex, "dUJ", false, &memo).readings.front().m_lstErrors.front(), "Spelling or case.");

  lex.SetAt("Duj:2", Entry("Duj", kPosNoun, "a changed gloss"));
  const Outcome changed = Analyse(lex, "Duj", false, &memo);
  EXPECT_EQ(changed, Analyse(lex, "Duj", true));
  EXPECT_EQ(changed.readings.back().m_strGloss, "a changed gloss");

  // Another lexicon through the same memo.
  CKLex other;
  other.Add(Entry("Duj", kPosNoun, "elsewhere"));
  EXPECT_EQ(Analyse(other, "Duj", false, &memo), Analyse(other, "Duj", true));

  // Readings the caller put in first take part in the suggestion check, so
  // such a call is analysed, not answered from the memo.
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  parser.m_pMemo = &memo;
  const uint64_t hits = memo.Hits();
  CKlingonParser plain;
  plain.m_pLexicon = &lex;
  std::vector<CParseResult> r(1), expected(1);
  r[0].m_lstSuggestions = expected[0].m_lstSuggestions = {"Dujpu'", "tInDuj"};
  parser.ParseWord("Duj", r);
  plain.ParseWord("Duj", expected);
  EXPECT_EQ(memo.Hits(), hits);
  EXPECT_EQ(r, expected);
  EXPECT_EQ(r[0].m_lstSuggestions, CStringList{"Dujmey"});
}

TEST(ParseMemo, StaysWithinItsBound) {
  CKLex lex = OddLexicon();
  CParseMemo small(1024);
  size_t most = 0;
  for (int round = 0; round < 3; ++round)
    for (const auto& w : kWords)
      for (int again = 0; again < 2; ++again) {
        ASSERT_EQ(Analyse(lex, w, false, &small), Analyse(lex, w, true)) << w;
        most = std::max(most, small.GetCount());
      }
  EXPECT_GT(small.Hits(), 0u);
  EXPECT_LT(most, kWords.size() - 1);
}

TEST(LongWords, BeyondTheLimitAreNotFoundWithoutAnalysis) {
  CKLex lex = OddLexicon();
  std::string word = "vIlegh";
  while (word.size() + 3 <= CKlingonParser::kMaxWordLength) word += "pu'";
  const Outcome atLimit = Analyse(lex, word, false);
  EXPECT_FALSE(atLimit.readings.empty());
  EXPECT_GT(atLimit.analyses, 0);
  // Letters past the limit, but also punctuation that normalisation drops.
  EXPECT_EQ(Analyse(lex, word + std::string(500, '!'), false), Analyse(lex, word + "!", false));
  for (const std::string& longer : {word + "pu'", "vItIn" + std::string(2400, 'a')}) {
    CKlingonParser parser;
    parser.m_pLexicon = &lex;
    std::vector<CParseResult> r;
    EXPECT_EQ(parser.ParseWord(longer, r), 0) << longer.size();
    EXPECT_EQ(parser.SuggestionAnalyses(), 0);
  }
  // The limit holds on every path, a suggestion's analysis included.
  std::vector<CParseResult> r(1);
  r[0].m_lstSuggestions = {word, word + "pu'"};
  CKlingonParser parser;
  parser.m_pLexicon = &lex;
  parser.ParseWord("Duj", r);
  EXPECT_EQ(std::find(r[0].m_lstSuggestions.begin(), r[0].m_lstSuggestions.end(), word + "pu'"),
            r[0].m_lstSuggestions.end());
}

}  // namespace
