#include <gtest/gtest.h>

#include "datafile/userdict.h"
#include "testutil.h"

using namespace datafile;
using namespace datafile::test;

// Every line is a word: empty lines and repeats stay, spaces are not trimmed,
// LF and CRLF may mix, the last line needs no line end, loading appends, and
// Windows-1252 on disk becomes UTF-8 unless the file carries a UTF-8 mark.
TEST(UserDict, LoadKeepsEveryLineAndAppends) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  const auto rows = Rows("userdict_load.txt");
  ASSERT_EQ(rows.size(), 9u);
  for (const auto& row : rows) {
    ASSERT_EQ(row.size(), 2u) << row[0];
    WriteAll(path, Unescape(row[0]));
    CStringList words = {"earlier"}, expected = {"earlier"};
    std::istringstream lines(Unescape(row[1]));
    for (std::string w; std::getline(lines, w);) expected.push_back(w);
    ASSERT_TRUE(LoadUserDict(path, words));
    EXPECT_EQ(words, expected) << row[0];
  }
  // A missing file is the first run: nothing loaded, nothing said.
  CStringList words = {"kept"};
  EXPECT_FALSE(LoadUserDict(dir.File("missing.txt"), words));
  EXPECT_EQ(words, CStringList{"kept"});
}

TEST(UserDict, SaveWritesEveryEntryAndRoundTrips) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  std::string error;
  // An empty list is never written, so no file is replaced by an empty one.
  EXPECT_TRUE(SaveUserDict(path, {}, error));
  EXPECT_EQ(dir.Listing(), "");
  WriteAll(path, "kept\n");
  EXPECT_TRUE(SaveUserDict(path, {}, error));
  EXPECT_EQ(ReadAll(path), "kept\n");
  EXPECT_TRUE(error.empty());

  const CStringList words = {"one", "", "two", "two", "Mar\xC3\xAD" "a"};
  ASSERT_TRUE(SaveUserDict(path, words, error)) << error;
  EXPECT_EQ(ReadAll(path), "one\n\ntwo\ntwo\nMar\xED" "a\n");
  EXPECT_EQ(dir.Listing(), "userdict.txt");
  CStringList again;
  ASSERT_TRUE(LoadUserDict(path, again));
  EXPECT_EQ(again, words);
  // One empty word is not an empty list.
  EXPECT_TRUE(SaveUserDict(path, {""}, error));
  EXPECT_EQ(ReadAll(path), "\n");

  // A file read as UTF-8 stays UTF-8, and a word 1252 cannot hold makes the
  // file UTF-8 rather than question marks.
  const CStringList klingon = {"Qapla'", "\xEF\xA3\x90"};
  for (const bool readAsUtf8 : {true, false}) {
    ASSERT_TRUE(SaveUserDict(path, readAsUtf8 ? CStringList{"Mar\xC3\xAD" "a"} : klingon, error,
                             readAsUtf8));
    EXPECT_TRUE(ReadAll(path).starts_with("\xEF\xBB\xBF"));
    CStringList back;
    bool utf8 = false;
    ASSERT_TRUE(LoadUserDict(path, back, &utf8));
    EXPECT_TRUE(utf8);
    EXPECT_EQ(back, readAsUtf8 ? CStringList{"Mar\xC3\xAD" "a"} : klingon);
  }

  EXPECT_FALSE(SaveUserDict(dir.File("gone/userdict.txt"), words, error));
  EXPECT_EQ(error, "Unable to write personal dictionary file!");
}
