// Checks over the lexicon the program ships: the entries the analyser looks
// up by definition, the flags it relies on, and the consistency of the links.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

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

// Guards against losing vocabulary by accident: the count the import gave.
TEST_F(ShippedLexicon, KeepsItsVocabulary) {
  EXPECT_GE(lex_.GetCount(), 5749u);
}

TEST_F(ShippedLexicon, NotesHoldOnlyAPlainCitation) {
  // The data set's link markup and footnote marks must not leak into the program's text.
  int cited = 0;
  for (const auto& [key, w] : lex_) {
    EXPECT_EQ(w.m_strDefinition.find_first_of("{}\n"), std::string::npos) << key << ": " << w.m_strDefinition;
    EXPECT_EQ(w.m_strNotes.find_first_of("{}[]\n"), std::string::npos) << key << ": " << w.m_strNotes;
    cited += !w.m_strNotes.empty();
  }
  EXPECT_GT(cited, static_cast<int>(lex_.GetCount()) * 9 / 10);
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
  std::vector<std::string> statives;  // stative verbs not defined "be ..."
  for (const auto& [key, w] : lex_) {
    ASSERT_FALSE(w.m_strWord.empty()) << key;
    // Compound entries ("tlhIngan Hol") are words joined by single spaces.
    std::istringstream parts(w.m_strWord);
    size_t letters = 0, count = 0;
    for (std::string s; parts >> s; letters += s.size(), ++count) {
      EXPECT_EQ(s.find_first_not_of("abcDeghHIjlmnopqQrStuvwy'"), std::string::npos) << key;
      EXPECT_EQ(std::string("aeIou").find(s[0]), std::string::npos) << key << " starts with a vowel";
      // h only inside ch, gh and tlh; a lone h is written H.
      for (size_t i = 0; i < s.size(); ++i)
        EXPECT_TRUE(s[i] != 'h' || (i > 0 && (s[i - 1] == 'c' || s[i - 1] == 'g' ||
                                              (i > 1 && s.compare(i - 2, 2, "tl") == 0)))) << key;
    }
    EXPECT_EQ(letters + count - 1, w.m_strWord.size()) << key << ": stray blanks";
    const std::string& s = w.m_strWord;
    const std::string& def = w.m_strDefinition;
    ASSERT_FALSE(def.empty()) << key;
    EXPECT_TRUE(def.front() != ' ' && def.back() != ' ') << key;
    EXPECT_TRUE(rows.emplace(s, w.m_nPos, def).second) << "repeated row " << key;
    EXPECT_TRUE(w.m_nPos == kPosVerb || w.m_bStative == 0) << key;
    EXPECT_TRUE(w.m_nPos == kPosNoun || w.m_bBeing + w.m_bBodyPart + w.m_bInherentPlural + w.m_bIrregular == 0) << key;
    EXPECT_TRUE(w.m_nPos != kPosVerb || def.rfind("to ", 0) != 0) << key << ": bare infinitive expected";
    if (w.m_bStative && def.rfind("be ", 0) != 0) statives.push_back(key + ": " + def);
  }
  // The analyser drops a leading "be " when it reads a verb of quality as an
  // adjective; the data set has a handful that start otherwise ("shine, be shiny").
  EXPECT_LE(statives.size(), 20u) << ::testing::PrintToString(statives);
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
