#include "wordbank/klex.h"

#include <gtest/gtest.h>

#include "wordbank/archive.h"

namespace {
CKWord Word(const std::string& w, int32_t pos = kPosNoun, const std::string& def = "x") {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  return k;
}
}  // namespace

TEST(KLex, AddMakesFreeKeysAndKeepsInsertionOrder) {
  CKLex lex;
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop");
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:2");
  lex.SetAt("Dop:3", Word("other"));
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:4");
  EXPECT_EQ(lex.Add(Word("dop")), "dop");  // keys are case-sensitive
  std::vector<std::string> keys;
  for (const auto& [k, w] : lex) keys.push_back(k);
  EXPECT_EQ(keys, (std::vector<std::string>{"Dop", "Dop:2", "Dop:3", "Dop:4", "dop"}));
  EXPECT_EQ(lex.Lookup("DOP"), nullptr);
}

TEST(KLex, RemoveKeepsLookupsConsistent) {
  CKLex lex;
  for (const char* w : {"a", "b", "c", "d"}) lex.Add(Word(w));
  EXPECT_TRUE(lex.RemoveKey("b"));
  EXPECT_FALSE(lex.RemoveKey("b"));
  ASSERT_NE(lex.Lookup("d"), nullptr);
  EXPECT_EQ(lex.Lookup("d")->m_strWord, "d");
  EXPECT_EQ(lex.GetCount(), 3u);
  EXPECT_EQ(lex.Add(Word("b")), "b");
}

TEST(KWord, PosNames) {
  CKWord w;
  const char* names[] = {"noun", "verb", "pronoun", "adverb", "number", "conj", "excl", "ques"};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(w.SetPos(names[i]), i);
    EXPECT_EQ(w.Pos(), names[i]);
  }
  EXPECT_EQ(w.SetPos("adjective"), -1);
  EXPECT_EQ(w.m_nPos, 7);  // unchanged
}

TEST(KLex, SerializeRoundTripAndDamage) {
  CKLex lex;
  CKWord w = Word("tlhIngan", kPosNoun, "Klingon");
  w.m_bBeing = 1;
  w.m_lstSynonyms = {"a", "b"};
  w.m_strNotes = "caf\xC3\xA9";
  w.m_nScore = 3;
  lex.Add(w);
  lex.Add(Word("legh", kPosVerb, "see"));
  lex.ResetScores();

  CArchive out;
  lex.Serialize(out);
  const std::string bytes = out.Buffer();

  CKLex back;
  CArchive in(bytes);
  back.Serialize(in);
  ASSERT_EQ(back.GetCount(), 2u);
  EXPECT_EQ(*back.Lookup("tlhIngan"), *lex.Lookup("tlhIngan"));
  EXPECT_EQ(back.Lookup("tlhIngan")->m_nScore, 0);

  // Every truncation throws and leaves the target as it was.
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    CKLex target;
    target.Add(Word("keep"));
    CArchive part(std::string_view(bytes).substr(0, cut));
    EXPECT_THROW(target.Serialize(part), CArchiveException) << cut;
    ASSERT_EQ(target.GetCount(), 1u);
  }
  // A huge entry count is refused before anything is allocated.
  std::string huge = bytes;
  huge[4] = huge[5] = huge[6] = huge[7] = '\xFF';
  CArchive bad(huge);
  CKLex target;
  EXPECT_THROW(target.Serialize(bad), CArchiveException);
}
