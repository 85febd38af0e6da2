#include <gtest/gtest.h>

#include "datafile/userdict.h"
#include "testutil.h"

using namespace datafile;
using namespace datafile::test;

// Every line is a word: empty lines and repeats stay, spaces are not trimmed,
// LF and CRLF may mix, the last line needs no line end, loading appends, and
// Windows-1252 on disk becomes UTF-8 unless the file carries a UTF-8 mark.
TEST(UserDict, LoadKeepsEveryLineAndAppends) {
  const std::pair<std::string, CStringList> cases[] = {
      {"", {}},
      {"\n", {""}},
      {"\r\n", {""}},
      {"a\n\n", {"a", ""}},
      {"a", {"a"}},
      {"Qo'noS\r\n\nkahless\r\n kahless \nkahless\n\r\nlast",
       {"Qo'noS", "", "kahless", " kahless ", "kahless", "", "last"}},
      {"Mar\xED" "a\nna\xEFve\n", {"Mar\xC3\xAD" "a", "na\xC3\xAFve"}},
      {"\xEF\xBB\xBFMar\xC3\xAD" "a\n", {"Mar\xC3\xAD" "a"}},
  };
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  for (auto [text, expected] : cases) {
    WriteAll(path, text);
    CStringList words = {"earlier"};
    ASSERT_TRUE(LoadUserDict(path, words));
    expected.push_front("earlier");
    EXPECT_EQ(words, expected) << '"' << Hex(text) << '"';
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

  EXPECT_FALSE(SaveUserDict(dir.File("gone/userdict.txt"), words, error));
  EXPECT_EQ(error, "Unable to write personal dictionary file!");
}
