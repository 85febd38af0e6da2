// The text index against the plain substring test it replaces, and the
// lexicon's revision and key allocation it relies on.
#include "wordbank/textindex.h"

#include <gtest/gtest.h>

#include <random>

#include "wordbank/klex.h"
#include "wordbank/lextsv.h"

namespace {

std::vector<uint32_t> BruteForce(const std::vector<std::string>& texts, const std::string& text) {
  std::vector<uint32_t> out;
  for (uint32_t i = 0; i < texts.size(); ++i)
    if (text.find(texts[i]) != std::string::npos) out.push_back(i);
  return out;
}

CKWord Word(const std::string& w) {
  CKWord k;
  k.m_strWord = w;
  return k;
}

TEST(TextIndex, FindsWhatTheSubstringTestFinds) {
  // Few letters, so that texts overlap, repeat, nest and occur several times.
  std::mt19937 rng(5);
  const std::string letters = "abQ'\xC3";
  auto randomText = [&](size_t maxLen) {
    std::string t(rng() % (maxLen + 1), ' ');
    for (char& c : t) c = letters[rng() % letters.size()];
    return t;
  };
  std::vector<std::string> texts = {"", "a", "a", "ab", "ba", "aQ'", "\xC3\xA4", "Q", ""};
  while (texts.size() < 300) texts.push_back(randomText(6));
  std::vector<std::string_view> views(texts.begin(), texts.end());
  const CTextIndex index(views);
  std::vector<uint32_t> found;
  for (int n = 0; n < 1000; ++n) {
    const std::string text = randomText(14);
    index.Find(text, found);
    ASSERT_EQ(found, BruteForce(texts, text)) << text;
  }
  const CTextIndex none({});
  none.Find("abc", found);
  EXPECT_TRUE(found.empty());
}

TEST(KLexRevision, EveryChangeGivesANewRevisionAndTheIndexFollows) {
  CKLex lex;
  std::vector<uint32_t> found;
  auto entriesIn = [&](const std::string& text) {
    lex.FindEntriesIn(text, found);
    std::vector<std::string> keys;
    for (uint32_t pos : found) keys.push_back(lex.EntryAt(pos).first);
    return keys;
  };
  using Keys = std::vector<std::string>;
  std::vector<uint64_t> seen = {lex.Revision()};
  auto changed = [&] {
    const bool fresh = std::find(seen.begin(), seen.end(), lex.Revision()) == seen.end();
    seen.push_back(lex.Revision());
    return fresh;
  };

  lex.Add(Word("Dop"));
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), Keys{"Dop"});
  lex.Add(Word("taj"));
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), (Keys{"Dop", "taj"}));
  CKWord renamed = Word("Daj");
  lex.SetAt("Dop", renamed);
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), Keys{"taj"});
  lex.SetAt("new", Word("opt"));
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), (Keys{"taj", "new"}));
  EXPECT_TRUE(lex.RemoveKey("taj"));
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), Keys{"new"});
  lex.ResetScores();
  EXPECT_TRUE(changed());

  CKLex copy = lex;
  EXPECT_EQ(copy.Revision(), copy.Revision());
  EXPECT_NE(copy.Revision(), lex.Revision());
  copy.Add(Word("Do"));
  lex = copy;
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), (Keys{"new", "Do"}));
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv("word\tpos\tdefinition\ntaj\tnoun\tknife\n", lex, error)) << error;
  EXPECT_TRUE(changed());
  EXPECT_EQ(entriesIn("Doptaj"), Keys{"taj"});
  CKLex moved = std::move(lex);
  EXPECT_TRUE(changed());
  EXPECT_TRUE(entriesIn("Doptaj").empty());  // what was moved out is gone from here
  lex.RemoveAll();
  EXPECT_TRUE(changed());
  lex.Add(Word(""));
  EXPECT_EQ(entriesIn("anything"), Keys{""});
}

TEST(KLexKeys, HomonymKeysAreAllocatedInLinearTime) {
  constexpr int kRows = 5000;
  std::string tsv = "word\tpos\tdefinition\n";
  for (int i = 0; i < kRows; ++i) tsv += "Dop\tnoun\topposite\n";
  CKLex lex;
  std::string error;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(tsv, lex, error)) << error;
  ASSERT_EQ(lex.GetCount(), static_cast<size_t>(kRows));
  int n = 1;
  for (const auto& [key, w] : lex) {
    ASSERT_EQ(key, n == 1 ? "Dop" : "Dop:" + std::to_string(n)) << n;
    ++n;
  }
  // Each new homonym costs a constant number of key lookups (a quadratic
  // search would make some 12 million).
  EXPECT_LE(lex.KeyProbes(), 3u * kRows);
  // Writing replays the keys, and must stay linear too; the keys come back.
  const std::string written = wordbank::WriteLexiconTsv(lex);
  CKLex back;
  ASSERT_TRUE(wordbank::ReadLexiconTsv(written, back, error)) << error;
  EXPECT_LE(back.KeyProbes(), 3u * kRows);
  EXPECT_EQ(wordbank::WriteLexiconTsv(back), written);

  // Removed keys are free again, smallest first; keys set by hand are skipped.
  EXPECT_TRUE(lex.RemoveKey("Dop:7"));
  EXPECT_TRUE(lex.RemoveKey("Dop:5"));
  lex.SetAt("Dop:5002", Word("Dop"));
  EXPECT_EQ(lex.MakeKey("Dop"), "Dop:5");
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:5");
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:7");
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:5001");
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop:5003");
  EXPECT_TRUE(lex.RemoveKey("Dop"));
  EXPECT_EQ(lex.Add(Word("Dop")), "Dop");
  // A word that itself looks like a numbered key keeps its own numbering.
  EXPECT_EQ(lex.Add(Word("Dop:2")), "Dop:2:2");
  EXPECT_EQ(lex.Add(Word("Dop:2")), "Dop:2:3");
}

}  // namespace
