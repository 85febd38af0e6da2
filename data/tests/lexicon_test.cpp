// Checks over the lexicon the program ships: the entries the analyser looks
// up by definition, the flags it relies on, and the consistency of the links.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <tuple>

#include "testutil.h"

namespace {

// Runs the tests below over the shipped lexicon as lex_.
class ShippedLexicon : public ::testing::Test {
 protected:
  const CKLex& lex_ = datatest::ShippedLexicon();
};

TEST_F(ShippedLexicon, LoadsEveryEntry) {
  // The row count (less the header) must match the entries, so no line was merged into another.
  EXPECT_EQ(lex_.GetCount() + 1, datatest::Lines(VEK_LEXICON_TSV).size());
}

// Guards against losing vocabulary by accident; raise it as words are added.
TEST_F(ShippedLexicon, KeepsItsVocabulary) {
  EXPECT_GE(lex_.GetCount(), 1398u);
}

TEST_F(ShippedLexicon, FormedWordsNameTheirRoot) {
  // Entries built from a root with a suffix say so in their notes; the root
  // must be in the lexicon and begin the word.
  const std::string mark = "derived from ";
  std::set<std::string> words;
  for (const auto& [key, w] : lex_) words.insert(w.m_strWord);
  int formed = 0;
  for (const auto& [key, w] : lex_) {
    if (w.m_strNotes.rfind(mark, 0) != 0) continue;
    ++formed;
    const std::string root = w.m_strNotes.substr(mark.size());
    EXPECT_TRUE(words.count(root)) << key << ": no root " << root;
    EXPECT_EQ(w.m_strWord.rfind(root, 0), 0u) << key << " does not begin with " << root;
    EXPECT_GT(w.m_strWord.size(), root.size()) << key;
  }
  EXPECT_GT(formed, 0);
}

TEST_F(ShippedLexicon, RequiredEntriesArePresent) {
  std::set<std::tuple<std::string, std::string, std::string>> required;
  std::set<std::string> pronounDefinitions;
  std::map<std::string, std::string> places;  // definition -> the one word
  for (const std::string& line : datatest::Lines(VEK_REQUIRED_TSV)) {
    const size_t t1 = line.find('\t'), t2 = line.find('\t', t1 + 1);
    ASSERT_NE(t2, std::string::npos) << line;
    const std::string word = line.substr(0, t1), pos = line.substr(t1 + 1, t2 - t1 - 1),
                      def = line.substr(t2 + 1);
    required.emplace(word, pos, def);
    if (pos == "pronoun") pronounDefinitions.insert(def);
    if (pos == "noun") places[def] = word;
  }
  ASSERT_GE(required.size(), 29u);
  for (const auto& [key, w] : lex_) {
    required.erase({w.m_strWord, w.Pos(), w.m_strDefinition});
    EXPECT_TRUE(w.m_nPos != kPosPronoun || pronounDefinitions.count(w.m_strDefinition)) << key << ": " << w.m_strDefinition;
    EXPECT_TRUE(!places.count(w.m_strDefinition) || w.m_strWord == places[w.m_strDefinition])
        << key << " would be refused {-Daq}";
  }
  for (const auto& [word, pos, def] : required)
    ADD_FAILURE() << "missing " << word << " (" << pos << ") \"" << def << "\"";
}

// Spelling as the analyser normalises it, flags on their part of speech, no repeated row.
TEST_F(ShippedLexicon, EveryEntryIsWellFormed) {
  std::set<std::tuple<std::string, int32_t, std::string>> rows;
  for (const auto& [key, w] : lex_) {
    const std::string& s = w.m_strWord;
    ASSERT_FALSE(s.empty()) << key;
    EXPECT_EQ(s.find_first_not_of("abcDeghHIjlmnopqQrStuvwy'"), std::string::npos) << key;
    EXPECT_EQ(std::string("aeIou").find(s[0]), std::string::npos) << key << " starts with a vowel";
    // h only inside ch, gh and tlh; a lone h is written H.
    for (size_t i = 0; i < s.size(); ++i)
      EXPECT_TRUE(s[i] != 'h' || (i > 0 && (s[i - 1] == 'c' || s[i - 1] == 'g' ||
                                            (i > 1 && s.compare(i - 2, 2, "tl") == 0)))) << key;
    const std::string& def = w.m_strDefinition;
    ASSERT_FALSE(def.empty()) << key;
    EXPECT_TRUE(def.front() != ' ' && def.back() != ' ') << key;
    EXPECT_TRUE(rows.emplace(s, w.m_nPos, def).second) << "repeated row " << key;
    EXPECT_TRUE(w.m_nPos == kPosVerb || w.m_bStative == 0) << key;
    EXPECT_TRUE(w.m_nPos == kPosNoun || w.m_bBeing + w.m_bBodyPart + w.m_bInherentPlural + w.m_bIrregular == 0) << key;
    EXPECT_TRUE(w.m_nPos != kPosVerb || def.rfind("to ", 0) != 0) << key << ": bare infinitive expected";
    EXPECT_TRUE(w.m_nPos != kPosVerb || !w.m_bStative || def.rfind("be ", 0) == 0) << key << ": " << def;
  }
}

TEST_F(ShippedLexicon, IrregularPluralsPointAtTheirPartner) {
  int pairs = 0;
  for (const auto& [key, w] : lex_) {
    if (!w.m_bIrregular) continue;
    ASSERT_FALSE(w.m_strIrregularForm.empty()) << key;
    // The partner is the plural of a singular, or the singular of a plural.
    bool found = false;
    for (const auto& [otherKey, o] : lex_)
      found = found || (o.m_strWord == w.m_strIrregularForm && o.m_nPos == kPosNoun &&
                        o.m_bInherentPlural != w.m_bInherentPlural && o.m_strIrregularForm == w.m_strWord);
    EXPECT_TRUE(found) << key << " -> " << w.m_strIrregularForm;
    ++pairs;
  }
  EXPECT_GE(pairs, 8);
  const CKWord* plate = lex_.Lookup("jengva'");
  ASSERT_NE(plate, nullptr);
  EXPECT_EQ(plate->m_strIrregularForm, "ngop");
}

TEST_F(ShippedLexicon, SynonymAndAntonymLinksAreMutual) {
  for (const auto& [key, w] : lex_)
    for (bool antonyms : {false, true}) {
      std::set<std::string> seen;
      for (const auto& target : antonyms ? w.m_lstAntonyms : w.m_lstSynonyms) {
        EXPECT_NE(target, key) << key << " links to itself";
        EXPECT_TRUE(seen.insert(target).second) << key << " repeats " << target;
        const CKWord* other = lex_.Lookup(target);
        if (!other) {
          ADD_FAILURE() << key << " links to missing key " << target;
          continue;
        }
        const CStringList& back = antonyms ? other->m_lstAntonyms : other->m_lstSynonyms;
        EXPECT_NE(std::find(back.begin(), back.end(), key), back.end())
            << target << " does not link back to " << key;
      }
    }
}

}  // namespace
