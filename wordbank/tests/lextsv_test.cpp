#include "wordbank/lextsv.h"

#include <gtest/gtest.h>

using wordbank::ReadLexiconTsv;
using wordbank::WriteLexiconTsv;

TEST(LexTsv, ReadsColumnsInAnyOrderWithCommentsAndDefaults) {
  const std::string text =
      "# a comment\n"
      "\n"
      "definition\tpos\tword\tbeing\tkey\tsynonyms\n"
      "Klingon\tnoun\ttlhIngan\t1\t\t\n"
      "see\t1\tlegh\t\t\t\n"
      "see (again)\tverb\tlegh\t\tlegh:9\tlegh|tlhIngan\r\n";
  CKLex lex;
  std::string error;
  ASSERT_TRUE(ReadLexiconTsv(text, lex, error)) << error;
  ASSERT_EQ(lex.GetCount(), 3u);
  const CKWord* k = lex.Lookup("tlhIngan");
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->m_bBeing, 1);
  EXPECT_EQ(k->m_nPos, kPosNoun);
  EXPECT_EQ(lex.Lookup("legh")->m_nPos, kPosVerb);
  const CKWord* again = lex.Lookup("legh:9");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(again->m_lstSynonyms, (CStringList{"legh", "tlhIngan"}));
}

TEST(LexTsv, ErrorsNameTheLineAndLoadNothing) {
  struct Case { std::string text; std::string expect; };
  const Case cases[] = {
      {"word\tpos\n", "line 1: missing column \"definition\""},
      {"word\tpos\tdefinition\tcolour\n", "line 1: unknown column \"colour\""},
      {"word\tpos\tdefinition\nqa'\tnoun\n", "line 2: expected 3 fields, found 2"},
      {"word\tpos\tdefinition\nqa'\tadjective\tx\n", "line 2: bad part of speech \"adjective\""},
      {"word\tpos\tdefinition\nqa'\t8\tx\n", "line 2: bad part of speech \"8\""},
      {"word\tpos\tdefinition\tbeing\n\nqa'\tnoun\tx\tyes\n", "line 3: bad being flag \"yes\""},
      {"key\tword\tpos\tdefinition\nk\tqa'\tnoun\tx\nk\tqa'\tnoun\tx\n", "line 3: duplicate key \"k\""},
      {"# only comments\n", "no header line"},
  };
  for (const auto& c : cases) {
    CKLex lex;
    lex.Add(CKWord());
    std::string error;
    EXPECT_FALSE(ReadLexiconTsv(c.text, lex, error)) << c.text;
    EXPECT_EQ(error, c.expect);
    EXPECT_EQ(lex.GetCount(), 1u);
  }
}

TEST(LexTsv, WriteThenReadIsIdentical) {
  CKLex lex;
  CKWord a;
  a.m_strWord = "Dop";
  a.m_strDefinition = "side";
  a.m_strNotes = "tab\there\nnew line \\ backslash";
  lex.Add(a);
  lex.Add(a);                 // Dop:2, a default key
  lex.SetAt("custom", a);     // an explicit key
  CKWord v;
  v.m_strWord = "tIn";
  v.m_nPos = kPosVerb;
  v.m_strDefinition = "be big";
  v.m_bStative = 1;
  v.m_lstAntonyms = {"mach"};
  v.m_nScore = 4;
  lex.Add(v);

  const std::string text = WriteLexiconTsv(lex);
  CKLex back;
  std::string error;
  ASSERT_TRUE(ReadLexiconTsv(text, back, error)) << error;
  EXPECT_EQ(WriteLexiconTsv(back), text);
  ASSERT_EQ(back.GetCount(), 4u);
  EXPECT_EQ(back.Lookup("Dop:2")->m_strNotes, a.m_strNotes);
  EXPECT_NE(back.Lookup("custom"), nullptr);
  EXPECT_EQ(*back.Lookup("tIn"), v);
}
