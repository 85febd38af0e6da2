#include "wordbank/klex.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "wordbank/archive.h"
#include "wordbank/lextsv.h"

namespace {
CKWord Word(const std::string& w) {
  CKWord k;
  k.m_strWord = w;
  return k;
}
}  // namespace

TEST(KLex, AddMakesFreeKeysKeepsInsertionOrderAndRemoves) {
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

  EXPECT_TRUE(lex.RemoveKey("Dop:2"));
  EXPECT_FALSE(lex.RemoveKey("Dop:2"));
  ASSERT_NE(lex.Lookup("dop"), nullptr);
  EXPECT_EQ(lex.Lookup("dop")->m_strWord, "dop");
  EXPECT_EQ(lex.GetCount(), 4u);
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:2");
  // An unknown part of speech is refused and changes nothing.
  CKWord w = Word("x");
  EXPECT_EQ(w.SetPos("ques"), kPosQues);
  EXPECT_EQ(w.SetPos("adjective"), -1);
  EXPECT_EQ(w.Pos(), "ques");
}

TEST(KLex, SerializeRoundTripAndDamage) {
  CKLex lex;
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(Fixture("roundtrip.tsv"), lex, error)) << error;
  lex.ResetScores();
  CArchive out;
  lex.Serialize(out);
  const std::string bytes = out.Buffer();

  CKLex back;
  CArchive in(bytes);
  back.Serialize(in);
  ASSERT_EQ(back.GetCount(), lex.GetCount());
  for (const auto& [key, w] : lex) EXPECT_EQ(*back.Lookup(key), w) << key;
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
