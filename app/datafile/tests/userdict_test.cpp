#include <gtest/gtest.h>

#include "datafile/userdict.h"
#include "testutil.h"

using namespace datafile;
using namespace datafile::test;

TEST(UserDict, MissingFileLoadsNothingQuietly) {
  CScratchDir dir;
  CStringList words = {"kept"};
  EXPECT_FALSE(LoadUserDict(dir.File("userdict.txt"), words));
  EXPECT_EQ(words, CStringList{"kept"});
  EXPECT_FALSE(LoadUserDict(dir.Path(), words));
  EXPECT_EQ(words, CStringList{"kept"});
}

// Every line is a word: empty lines and repeats stay, spaces are not trimmed,
// LF and CRLF may mix, the last line needs no line end, and loading appends.
TEST(UserDict, LoadKeepsEveryLineAndAppends) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  WriteAll(path, "Qo'noS\r\n\nkahless\r\n kahless \nkahless\n\r\nlast");
  CStringList words = {"earlier"};
  ASSERT_TRUE(LoadUserDict(path, words));
  EXPECT_EQ(words, (CStringList{"earlier", "Qo'noS", "", "kahless", " kahless ", "kahless", "",
                                "last"}));
}

TEST(UserDict, LineEndsAtTheEndOfTheFile) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  const std::pair<std::string, CStringList> cases[] = {
      {"", {}}, {"\n", {""}}, {"\r\n", {""}}, {"a\n", {"a"}}, {"a\n\n", {"a", ""}}, {"a", {"a"}}};
  for (const auto& [text, expected] : cases) {
    WriteAll(path, text);
    CStringList words;
    ASSERT_TRUE(LoadUserDict(path, words));
    EXPECT_EQ(words, expected) << '"' << Hex(text) << '"';
  }
}

TEST(UserDict, Windows1252OnDiskUtf8InMemory) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  WriteAll(path, "Mar\xED" "a\nna\xEFve\n");
  CStringList words;
  ASSERT_TRUE(LoadUserDict(path, words));
  EXPECT_EQ(words, (CStringList{"Mar\xC3\xAD" "a", "na\xC3\xAFve"}));
  std::string error;
  ASSERT_TRUE(SaveUserDict(path, words, error));
  EXPECT_EQ(ReadAll(path), "Mar\xED" "a\nna\xEFve\n");

  // A file saved as UTF-8 with a byte-order mark by another editor.
  WriteAll(path, "\xEF\xBB\xBFMar\xC3\xAD" "a\n");
  words.clear();
  ASSERT_TRUE(LoadUserDict(path, words));
  EXPECT_EQ(words, CStringList{"Mar\xC3\xAD" "a"});
}

TEST(UserDict, SaveWritesEveryEntryWithLineFeeds) {
  CScratchDir dir;
  const std::string path = dir.File("userdict.txt");
  WriteAll(path, "one\r\n\r\ntwo\r\ntwo\r\n");
  CStringList words;
  ASSERT_TRUE(LoadUserDict(path, words));
  words.push_back("two");
  std::string error;
  ASSERT_TRUE(SaveUserDict(path, words, error)) << error;
  EXPECT_EQ(ReadAll(path), "one\n\ntwo\ntwo\ntwo\n");
  EXPECT_EQ(dir.Listing(), "userdict.txt");

  CStringList again;
  ASSERT_TRUE(LoadUserDict(path, again));
  EXPECT_EQ(again, words);
}

TEST(UserDict, EmptyListIsNeverWritten) {
  CScratchDir dir;
  std::string error;
  EXPECT_TRUE(SaveUserDict(dir.File("userdict.txt"), {}, error));
  EXPECT_EQ(dir.Listing(), "");

  WriteAll(dir.File("userdict.txt"), "kept\n");
  EXPECT_TRUE(SaveUserDict(dir.File("userdict.txt"), {}, error));
  EXPECT_EQ(ReadAll(dir.File("userdict.txt")), "kept\n");
  EXPECT_TRUE(error.empty());

  // A list holding one empty word is not empty: it is one empty line.
  EXPECT_TRUE(SaveUserDict(dir.File("userdict.txt"), {""}, error));
  EXPECT_EQ(ReadAll(dir.File("userdict.txt")), "\n");
}

TEST(UserDict, UnwritableFileGivesTheMessageAndKeepsTheList) {
  CScratchDir dir;
  const CStringList words = {"Qapla'"};
  std::string error;
  EXPECT_FALSE(SaveUserDict(dir.File("gone/userdict.txt"), words, error));
  EXPECT_EQ(error, "Unable to write personal dictionary file!");
  EXPECT_EQ(words, CStringList{"Qapla'"});
  EXPECT_TRUE(SaveUserDict(dir.File("userdict.txt"), words, error));
}
