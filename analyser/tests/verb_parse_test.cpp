// Verb records: what the driver's readings do not show. Readings of whole
// words, with their messages and checked suggestions, are in fixtures/.
#include <gtest/gtest.h>

#include <string_view>

#include "test_support.h"

namespace {

const CKWord kLegh = Entry("legh", kPosVerb, "see");
const CKWord kGhoj = Entry("ghoj", kPosVerb, "learn");
const CKWord kJIH = Entry("jIH", kPosPronoun, "I, me");

bool NoRovers(const CParsedVerb& v) {
  for (int i = 0; i < 11; ++i)
    if (!v.m_strBe[i].empty() || !v.m_strQu[i].empty() || !v.m_strBeQu[i].empty() ||
        !v.m_strQuBe[i].empty())
      return false;
  return true;
}

TEST(VerbTables, NoRowBeginsALaterRow) {
  // Otherwise the first-match scans would hide the later row.
  for (int i = 0; i < CParsedVerb::kSuffixCount; ++i)
    for (int j = i + 1; j < CParsedVerb::kSuffixCount; ++j)
      EXPECT_NE(std::string_view(CParsedVerb::kSuffixes[j].text).rfind(CParsedVerb::kSuffixes[i].text, 0), 0u)
          << CParsedVerb::kSuffixes[i].text << " hides " << CParsedVerb::kSuffixes[j].text;
  for (int i = 0; i < CParsedVerb::kPrefixCount; ++i)
    for (int j = 0; j < CParsedVerb::kPrefixCount; ++j)
      if (i != j) {
        EXPECT_NE(std::string_view(CParsedVerb::kPrefixes[j].prefix).rfind(CParsedVerb::kPrefixes[i].prefix, 0), 0u);
      }
}

TEST(VerbRecord, PrefixIsKeptApartFromTheWord) {
  CParsedVerb v;
  ASSERT_EQ(v.Parse("vIlegh", kLegh), 1);
  EXPECT_EQ(v.m_strPrefix, "vI");
  EXPECT_EQ(v.m_strWord, "legh");
  EXPECT_EQ(v.m_strRoot, "legh");
  EXPECT_EQ(v.m_nPosCode, kPosVerb);
  v.Clear();
  EXPECT_EQ(v.Parse("bilegh", kLegh), 0);  // lower-case i is no prefix
  // A rover does not move the position of the next one.
  v.Clear();
  ASSERT_EQ(v.Parse("leghpu'qu'be'qu'", kLegh), 1);
  EXPECT_EQ(v.m_strQuBe[8], "qu'be'");
  EXPECT_EQ(v.m_strQu[8], "qu'");
}

TEST(VerbRecord, FailedPrefixLeavesNoTrace) {
  CParsedVerb v;
  EXPECT_EQ(v.ParseWithPrefix("jIleghvIpX", kLegh), 0);
  EXPECT_EQ(v.m_strPrefix, "");
  EXPECT_TRUE(v.m_lstErrors.empty());  // the taboo message of the failed try is gone
  EXPECT_TRUE(v.m_lstSuggestions.empty());
  EXPECT_EQ(v.m_strSuffix[1], "");
  EXPECT_EQ(v.m_nPosCode, kPosVerb);
  // A non-verb entry leaves the record as it was.
  v.m_strPrefix = "keep";
  EXPECT_EQ(v.ParseWithPrefix("jIH", kJIH), 0);
  EXPECT_EQ(v.m_strPrefix, "keep");
}

TEST(VerbRecord, NominalisedVerbKeepsTheNounApart) {
  CParsedVerb v;
  ASSERT_EQ(v.Parse("ghojwI'pu'vaD", kGhoj), 1);
  EXPECT_EQ(v.m_nPosCode, kPosVerb);
  EXPECT_EQ(v.m_bNominalised + v.m_bNounForm, 2);
  EXPECT_EQ(v.m_noun.m_strRoot, "ghojwI'");
  EXPECT_EQ(v.m_noun.m_strDefinition, "one/thing which is/does learn him/her/it/them");
  EXPECT_EQ(v.m_noun.m_strSuffix2, "pu'");
  // The noun's fault (-pu' on no being) stays with the noun.
  EXPECT_FALSE(v.m_noun.m_lstErrors.empty());
  EXPECT_TRUE(v.m_lstErrors.empty());
  EXPECT_EQ(v.ToString(), v.m_noun.ToString());

  v.Clear();
  ASSERT_EQ(v.Parse("vIghojpu'ghach", kGhoj), 1);
  EXPECT_EQ(v.m_noun.m_strWord, "ghojpu'ghach");  // the prefix stays outside the noun

  // Clear restores the initial state.
  v.m_strQuBe[10] = "qu'be'";
  v.Clear();
  EXPECT_EQ(v.m_nPosCode, kPosVerb);
  EXPECT_EQ(v.m_strPrefix, "");
  EXPECT_EQ(v.m_strSuffix[8], "");
  EXPECT_TRUE(NoRovers(v));
  EXPECT_EQ(v.m_bNominalised + v.m_bNounForm + v.m_bPronoun + v.m_bStative, 0);
  EXPECT_EQ(v.m_noun.m_strRoot, "");
  EXPECT_EQ(v.m_dScore, 0.0);
}

// The corrections a check offers, before the driver drops those that are
// themselves faulty.
TEST(VerbRecord, CorrectionsAsOffered) {
  const std::pair<const char*, std::vector<std::string>> rows[] = {
      {"vIleghlaHpu'taHvIS", {"vIleghlaHtaHvIS", "vIleghlaHpu'vIS"}},
      {"jIleghvIpla'", {"jIleghla'", "jIleghvIplu'", "jIleghvIplaH"}},
  };
  for (const auto& [word, suggestions] : rows) {
    CParsedVerb v;
    ASSERT_EQ(v.Parse(word, kLegh), 1) << word;
    EXPECT_EQ(std::vector<std::string>(v.m_lstSuggestions.begin(), v.m_lstSuggestions.end()), suggestions)
        << word;
  }
}

}  // namespace
