#include "wordbank/lextsv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "fixture.h"

using wordbank::ReadLexiconTsv;
using wordbank::WriteLexiconTsv;

// columns.tsv: columns in any order, comments, blank lines, empty fields taking
// defaults, a numeric part of speech, CRLF. roundtrip.tsv: default and explicit
// keys, escapes, a key that starts with "#", every part of speech, as the
// writer writes it.
TEST(LexTsv, ReadsAnyColumnOrderAndWritesBackIdentically) {
  CKLex lex, back;
  std::string error;
  ASSERT_TRUE(ReadLexiconTsv(Fixture("columns.tsv"), lex, error)) << error;
  EXPECT_EQ(WriteLexiconTsv(lex), Fixture("columns.expected.tsv"));

  const std::string text = Fixture("roundtrip.tsv");
  ASSERT_TRUE(ReadLexiconTsv(text, back, error)) << error;
  EXPECT_EQ(WriteLexiconTsv(back), text);
  ASSERT_EQ(back.GetCount(), 12u);
  EXPECT_EQ(back.Lookup("#hash")->m_strWord, "Dop");
  EXPECT_EQ(back.Lookup("Dop:2")->m_strNotes, "tab\there\nnew line \\ backslash");
  EXPECT_EQ(back.Lookup("custom")->m_strWord, "Dop");
  EXPECT_EQ(back.Lookup("tIn")->m_lstAntonyms, CStringList{"mach"});
  // Words "2".."7" carry the part of speech with that code.
  for (const auto& [key, w] : back) EXPECT_TRUE(!isdigit(key[0]) || w.m_nPos == key[0] - '0') << key;
}

TEST(LexTsv, ErrorsNameTheLineAndLoadNothing) {
  std::istringstream rows(Fixture("errors.txt"));
  int count = 0;
  for (std::string row; std::getline(rows, row);) {
    const size_t tab = row[0] == '#' ? std::string::npos : row.find('\t');
    if (tab == std::string::npos) continue;
    std::string text;
    for (size_t i = tab + 1; i < row.size(); ++i)
      text += row[i] != '\\' ? row[i] : row[++i] == 't' ? '\t' : row[i] == 'n' ? '\n' : '\r';
    CKLex lex;
    lex.Add(CKWord());
    std::string error;
    EXPECT_FALSE(ReadLexiconTsv(text, lex, error)) << row;
    EXPECT_EQ(error, row.substr(0, tab));
    EXPECT_EQ(lex.GetCount(), 1u);
    ++count;
  }
  EXPECT_EQ(count, 10);
}
