// Checks over the lexicon the program ships: the entries the analyser looks
// up by definition, the flags it relies on, and the consistency of the links.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "wordbank/klex.h"
#include "wordbank/lextsv.h"

namespace {

class ShippedLexicon : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::ifstream in(VEK_LEXICON_TSV, std::ios::binary);
    ASSERT_TRUE(in) << "cannot open " << VEK_LEXICON_TSV;
    std::ostringstream text;
    text << in.rdbuf();
    lex_ = new CKLex;
    std::string error;
    loaded_ = wordbank::ReadLexiconTsv(text.str(), *lex_, error);
    error_ = error;
  }
  static void TearDownTestSuite() {
    delete lex_;
    lex_ = nullptr;
  }
  void SetUp() override { ASSERT_TRUE(loaded_) << error_; }

  // True when some entry has exactly this word, part of speech and definition.
  static bool Has(const std::string& word, int32_t pos, const std::string& definition) {
    for (const auto& [key, w] : *lex_)
      if (w.m_strWord == word && w.m_nPos == pos && w.m_strDefinition == definition) return true;
    return false;
  }

  static CKLex* lex_;
  static bool loaded_;
  static std::string error_;
};

CKLex* ShippedLexicon::lex_ = nullptr;
bool ShippedLexicon::loaded_ = false;
std::string ShippedLexicon::error_;

TEST_F(ShippedLexicon, LoadsEveryEntry) {
  // SetUp has already failed when the file does not parse; here the row count
  // must match the entries, so no line was merged into another.
  std::ifstream in(VEK_LEXICON_TSV, std::ios::binary);
  std::string line;
  size_t rows = 0;
  bool header = false;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (!header) {
      header = true;
      continue;
    }
    ++rows;
  }
  EXPECT_EQ(lex_->GetCount(), rows);
}

TEST_F(ShippedLexicon, HasAtLeastTwoThousandEntries) {
  EXPECT_GE(lex_->GetCount(), 2000u);
}

TEST_F(ShippedLexicon, FormedWordsNameTheirRoot) {
  // Entries built from a root with a suffix say so in their notes; the root
  // must be in the lexicon and begin the word.
  const std::string mark = "derived from ";
  std::set<std::string> words;
  for (const auto& [key, w] : *lex_) words.insert(w.m_strWord);
  int formed = 0;
  for (const auto& [key, w] : *lex_) {
    if (w.m_strNotes.rfind(mark, 0) != 0) continue;
    ++formed;
    const std::string root = w.m_strNotes.substr(mark.size());
    EXPECT_TRUE(words.count(root)) << key << ": no root " << root;
    EXPECT_EQ(w.m_strWord.rfind(root, 0), 0u) << key << " does not begin with " << root;
    EXPECT_GT(w.m_strWord.size(), root.size()) << key;
  }
  EXPECT_GT(formed, 0);
}

TEST_F(ShippedLexicon, PronounsCarryTheDefinitionsTheGlossesBranchOn) {
  const std::pair<const char*, const char*> pronouns[] = {
      {"jIH", "I, me"},           {"SoH", "you"},   {"ghaH", "he, she, him, her"},
      {"'oH", "it"},              {"maH", "we, us"}, {"tlhIH", "you (pl)"},
      {"chaH", "they, them"},     {"bIH", "they, them"},
      {"'e'", "that"},            {"net", "that"}};
  for (const auto& [word, def] : pronouns)
    EXPECT_TRUE(Has(word, kPosPronoun, def)) << word << " \"" << def << "\"";

  // Any other definition would leave a pronoun read as a verb without a subject.
  const std::set<std::string> known = {"I, me",   "you",      "he, she, him, her", "it",
                                       "we, us",  "you (pl)", "they, them",        "that"};
  for (const auto& [key, w] : *lex_)
    if (w.m_nPos == kPosPronoun) {
      EXPECT_TRUE(known.count(w.m_strDefinition)) << key << ": " << w.m_strDefinition;
    }
}

TEST_F(ShippedLexicon, NumberRootsAndElementsArePresent) {
  const std::pair<const char*, const char*> numbers[] = {
      {"pagh", "zero"},  {"wa'", "one"},        {"cha'", "two"},     {"wej", "three"},
      {"loS", "four"},   {"vagh", "five"},      {"jav", "six"},      {"Soch", "seven"},
      {"chorgh", "eight"}, {"Hut", "nine"},     {"maH", "ten"},      {"vatlh", "hundred"},
      {"SaD", "thousand"}, {"SanID", "thousand"}, {"bIp", "hundred thousand"},
      {"'uy'", "million"}};
  for (const auto& [word, def] : numbers)
    EXPECT_TRUE(Has(word, kPosNumber, def)) << word << " \"" << def << "\"";
}

TEST_F(ShippedLexicon, PlaceNounsMatchTheDaqRuleAndNothingElseDoes) {
  const std::map<std::string, std::string> places = {
      {"pa'", "there, over there, thereabouts"},
      {"naDev", "here, hereabouts"},
      {"Dat", "everywhere"}};
  for (const auto& [word, def] : places) EXPECT_TRUE(Has(word, kPosNoun, def)) << word;
  for (const auto& [key, w] : *lex_)
    for (const auto& [word, def] : places)
      if (w.m_strDefinition == def) {
        EXPECT_EQ(w.m_strWord, word) << key << " would be refused {-Daq}";
      }
}

TEST_F(ShippedLexicon, WordsAreSpelledAsTheAnalyserNormalisesThem) {
  const std::string letters = "abcDeghHIjlmnopqQrStuvwy'";
  const std::string vowels = "aeIou";
  for (const auto& [key, w] : *lex_) {
    const std::string& s = w.m_strWord;
    ASSERT_FALSE(s.empty()) << key;
    EXPECT_EQ(s.find_first_not_of(letters), std::string::npos) << key;
    EXPECT_EQ(vowels.find(s[0]), std::string::npos) << key << " starts with a vowel";
    // h only inside ch, gh and tlh; a lone h is written H.
    for (size_t i = 0; i < s.size(); ++i)
      if (s[i] == 'h') {
        EXPECT_TRUE(i > 0 && (s[i - 1] == 'c' || s[i - 1] == 'g' ||
                              (i > 1 && s.compare(i - 2, 2, "tl") == 0)))
            << key;
      }
  }
}

TEST_F(ShippedLexicon, FlagsBelongToTheirPartOfSpeech) {
  for (const auto& [key, w] : *lex_) {
    EXPECT_FALSE(w.m_strDefinition.empty()) << key;
    EXPECT_NE(w.m_strDefinition.front(), ' ') << key;
    EXPECT_NE(w.m_strDefinition.back(), ' ') << key;
    if (w.m_nPos != kPosVerb) {
      EXPECT_EQ(w.m_bStative, 0) << key;
    }
    if (w.m_nPos != kPosNoun) {
      EXPECT_EQ(w.m_bBeing + w.m_bBodyPart + w.m_bInherentPlural + w.m_bIrregular, 0) << key;
    }
    if (w.m_nPos == kPosVerb) {
      EXPECT_NE(w.m_strDefinition.rfind("to ", 0), 0u) << key << ": bare infinitive expected";
      if (w.m_bStative) {
        EXPECT_EQ(w.m_strDefinition.rfind("be ", 0), 0u) << key << ": " << w.m_strDefinition;
      }
    }
  }
}

TEST_F(ShippedLexicon, IrregularPluralsPointAtTheirPartner) {
  int pairs = 0;
  for (const auto& [key, w] : *lex_) {
    if (!w.m_bIrregular) continue;
    ASSERT_FALSE(w.m_strIrregularForm.empty()) << key;
    // The partner is the plural of a singular, or the singular of a plural.
    bool found = false;
    for (const auto& [otherKey, o] : *lex_)
      if (o.m_strWord == w.m_strIrregularForm && o.m_nPos == kPosNoun &&
          o.m_bInherentPlural != w.m_bInherentPlural && o.m_strIrregularForm == w.m_strWord)
        found = true;
    EXPECT_TRUE(found) << key << " -> " << w.m_strIrregularForm;
    ++pairs;
  }
  EXPECT_GE(pairs, 8);
  const CKWord* plate = lex_->Lookup("jengva'");
  ASSERT_NE(plate, nullptr);
  EXPECT_EQ(plate->m_strIrregularForm, "ngop");
}

TEST_F(ShippedLexicon, SynonymAndAntonymLinksAreMutual) {
  auto check = [&](const std::string& key, const CStringList& links, bool antonyms) {
    std::set<std::string> seen;
    for (const auto& target : links) {
      EXPECT_NE(target, key) << key << " links to itself";
      EXPECT_TRUE(seen.insert(target).second) << key << " repeats " << target;
      const CKWord* other = lex_->Lookup(target);
      if (!other) {
        ADD_FAILURE() << key << " links to missing key " << target;
        continue;
      }
      const CStringList& back = antonyms ? other->m_lstAntonyms : other->m_lstSynonyms;
      EXPECT_NE(std::find(back.begin(), back.end(), key), back.end())
          << target << " does not link back to " << key;
    }
  };
  for (const auto& [key, w] : *lex_) {
    check(key, w.m_lstSynonyms, false);
    check(key, w.m_lstAntonyms, true);
  }
}

TEST_F(ShippedLexicon, NoRowIsRepeated) {
  std::set<std::tuple<std::string, int32_t, std::string>> rows;
  for (const auto& [key, w] : *lex_)
    EXPECT_TRUE(rows.emplace(w.m_strWord, w.m_nPos, w.m_strDefinition).second)
        << "repeated row " << key;
}

}  // namespace
