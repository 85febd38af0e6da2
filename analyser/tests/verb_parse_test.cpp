// Verb readings: prefix matching, the suffix scan with its rovers, pronouns
// used as verbs and verbs turned into nouns.
#include <gtest/gtest.h>

#include <memory>
#include <string_view>

#include "morphan/parsedverb.h"

namespace {

CKWord Entry(const std::string& w, int32_t pos, const std::string& def, int stative = 0) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bStative = stative;
  return k;
}

const CKWord kLegh = Entry("legh", kPosVerb, "see");
const CKWord kGhoj = Entry("ghoj", kPosVerb, "learn");
const CKWord kBIj = Entry("bIj", kPosVerb, "punish");
const CKWord kDa = Entry("Da", kPosVerb, "behave as");
const CKWord kTIn = Entry("tIn", kPosVerb, "be big", 1);
const CKWord kJIH = Entry("jIH", kPosPronoun, "I, me");

struct Reading {
  int ok = 0;
  CParsedVerb v;
};

// The driver's calling order: clear, then parse.
std::unique_ptr<Reading> Read(const std::string& word, const CKWord& entry) {
  auto r = std::make_unique<Reading>();
  r->v.Clear();
  r->ok = r->v.Parse(word, entry);
  return r;
}

bool NoRovers(const CParsedVerb& v) {
  for (int i = 0; i < 11; ++i)
    if (!v.m_strBe[i].empty() || !v.m_strQu[i].empty() || !v.m_strBeQu[i].empty() ||
        !v.m_strQuBe[i].empty())
      return false;
  return true;
}

}  // namespace

TEST(VerbTables, PrefixAndSuffixRows) {
  // No row may begin a later row, or the first-match scan would hide it.
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

TEST(VerbPrefix, PrefixSubjectAndObject) {
  auto r = Read("vIlegh", kLegh);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "vI");
  EXPECT_EQ(r->v.m_strSubject, "I ");
  EXPECT_EQ(r->v.m_strObject, "him/her/it/them ");
  EXPECT_EQ(r->v.m_strWord, "legh");  // the word without its prefix
  EXPECT_EQ(r->v.m_strRoot, "legh");
  EXPECT_EQ(r->v.m_strDefinition, "see");
  EXPECT_EQ(r->v.m_nPosCode, kPosVerb);
  EXPECT_EQ(r->v.m_dScore, 1.0);
  EXPECT_TRUE(r->v.m_lstErrors.empty());

  r = Read("yIlegh", kLegh);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strSubject, "you(imp:sg/pl) ");
  EXPECT_EQ(r->v.m_strObject, "(no.object)/him/her/it ");
  r = Read("cholegh", kLegh);  // three-letter prefix
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "cho");
  EXPECT_EQ(r->v.m_strObject, "me ");
  r = Read("jIlegh", kLegh);
  EXPECT_EQ(r->v.m_strObject, "");
}

TEST(VerbPrefix, RootThatBeginsWithPrefixLetters) {
  // "bI" matches, but "j" is not the root: the record is cleared and the
  // whole word read without prefix.
  auto r = Read("bIj", kBIj);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "");
  EXPECT_EQ(r->v.m_strSubject, "");
  EXPECT_EQ(r->v.m_strWord, "bIj");
  // With a real prefix in front the prefixed reading wins.
  r = Read("vIbIjpu'", kBIj);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "vI");
  EXPECT_EQ(r->v.m_strSuffix[6], "pu'");
}

TEST(VerbPrefix, BarePrefixAndCase) {
  auto r = Read("Da", kDa);  // the prefix "Da" leaves nothing for the root
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "");
  EXPECT_EQ(r->v.m_strWord, "Da");
  EXPECT_EQ(Read("vI", kLegh)->ok, 0);
  EXPECT_EQ(Read("bilegh", kLegh)->ok, 0);     // lower-case i is no prefix
  EXPECT_EQ(Read("bIyIlegh", kLegh)->ok, 0);   // only the first prefix is tried
  EXPECT_EQ(Read("lgh", kLegh)->ok, 0);
  EXPECT_EQ(Read("", kLegh)->ok, 0);
}

TEST(VerbPrefix, FailedPrefixLeavesNoTrace) {
  CParsedVerb v;
  v.Clear();
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

TEST(VerbPronoun, PronounAsVerb) {
  auto r = Read("jIHbe'", kJIH);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_bPronoun, 1);
  EXPECT_EQ(r->v.m_strPrefix, "");
  EXPECT_EQ(r->v.m_strBe[0], "be'");
  EXPECT_EQ(Read("vIjIH", kJIH)->ok, 0);  // pronouns take no prefix
  EXPECT_EQ(Read("'e'", Entry("'e'", kPosPronoun, "that"))->ok, 0);
  EXPECT_EQ(Read("'e'", Entry("'e'", kPosPronoun, "that one"))->ok, 1);
  EXPECT_EQ(Read("yaS", Entry("yaS", kPosNoun, "officer"))->ok, 0);
  EXPECT_EQ(Read("legh", kLegh)->v.m_bPronoun, 0);
}

TEST(VerbSuffix, BareRootAndTypedSlots) {
  auto r = Read("legh", kLegh);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_dScore, 1.0);
  for (const auto& s : r->v.m_strSuffix) EXPECT_EQ(s, "");
  EXPECT_TRUE(NoRovers(r->v));

  r = Read("ghoj'eghnISqa'moHlaHchu'pu'neSmo'", kGhoj);
  ASSERT_EQ(r->ok, 1);
  const char* expected[9] = {"'egh", "nIS", "qa'", "moH", "laH", "chu'", "pu'", "neS", "mo'"};
  for (int t = 0; t < 9; ++t) EXPECT_EQ(r->v.m_strSuffix[t], expected[t]) << t + 1;
  EXPECT_TRUE(NoRovers(r->v));
}

TEST(VerbSuffix, RoverPairsAndPositions) {
  auto r = Read("leghbe'qu'", kLegh);  // one pair row, not be' then qu'
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strBeQu[0], "be'qu'");
  EXPECT_EQ(r->v.m_strBe[0], "");
  EXPECT_EQ(r->v.m_strQu[0], "");
  r = Read("leghqu'be'", kLegh);
  EXPECT_EQ(r->v.m_strQuBe[0], "qu'be'");
  EXPECT_EQ(r->v.m_strQu[0], "");

  r = Read("leghnISbe'", kLegh);  // after type 2: position 3
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strBe[3], "be'");
  EXPECT_EQ(r->v.m_strBe[0], "");
  r = Read("leghjajqu'", kLegh);  // after type 9: position 10
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strQu[10], "qu'");
  // A rover does not move the position of the next one.
  r = Read("leghpu'be'qu'", kLegh);
  EXPECT_EQ(r->v.m_strBeQu[8], "be'qu'");
  r = Read("leghpu'qu'be'qu'", kLegh);  // qu'be' then qu'
  EXPECT_EQ(r->v.m_strQuBe[8], "qu'be'");
  EXPECT_EQ(r->v.m_strQu[8], "qu'");
}

TEST(VerbSuffix, NegationAndRefusal) {
  auto r = Read("leghHa'", kLegh);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strNegation, "not");
  EXPECT_TRUE(NoRovers(r->v));
  r = Read("leghQo'", kLegh);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strRefusal, "refuse to ");
  r = Read("leghHa'be'", kLegh);  // a rover after -Ha' is still at the root
  EXPECT_EQ(r->v.m_strBe[0], "be'");
  r = Read("leghQo'qu'", kLegh);
  EXPECT_EQ(r->v.m_strQu[0], "qu'");
}

TEST(VerbSuffix, UnconsumedTailsFail) {
  EXPECT_EQ(Read("leghpu'x", kLegh)->ok, 0);
  EXPECT_EQ(Read("leghbe", kLegh)->ok, 0);
  EXPECT_EQ(Read("leghPu'", kLegh)->ok, 0);  // case matters
  // An entry that only begins the real root: "gh" spells no suffix.
  EXPECT_EQ(Read("legh", Entry("le", kPosVerb, "x"))->ok, 0);
  // ... unless the leftover letters happen to be suffixes.
  auto r = Read("qu'be'", Entry("qu'", kPosVerb, "be fierce"));
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strBe[0], "be'");
  // A failed check does not make the reading fail, and a fault does not save a tail.
  EXPECT_EQ(Read("jIleghvIp", kLegh)->ok, 1);
  EXPECT_EQ(Read("jIleghvIpz", kLegh)->ok, 0);
}

TEST(VerbSuffix, SlangAbilityAccepted) {
  for (const char* w : {"leghla'", "leghluH"}) {
    auto r = Read(w, kLegh);
    ASSERT_EQ(r->ok, 1) << w;
    EXPECT_EQ(r->v.m_strSuffix[4], std::string(w).substr(4));
  }
}

TEST(VerbNominalised, NounAnalysisOfTheWholeWord) {
  auto r = Read("ghojwI'", kGhoj);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_bNominalised, 1);
  EXPECT_EQ(r->v.m_bNounForm, 1);
  EXPECT_EQ(r->v.m_nPosCode, kPosVerb);
  EXPECT_EQ(r->v.m_noun.m_strRoot, "ghojwI'");
  EXPECT_EQ(r->v.m_noun.m_strDefinition, "one/thing which is/does learn him/her/it/them");
  EXPECT_EQ(r->v.ToString(), r->v.m_noun.ToString());

  // Noun suffixes after the nominaliser belong to the noun; its faults stay there.
  r = Read("ghojwI'pu'vaD", kGhoj);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_noun.m_strRoot, "ghojwI'");
  EXPECT_EQ(r->v.m_noun.m_strSuffix2, "pu'");
  EXPECT_EQ(r->v.m_noun.m_strSuffix5, "vaD");
  EXPECT_FALSE(r->v.m_noun.m_lstErrors.empty());  // -pu' on a noun that is no being
  EXPECT_TRUE(r->v.m_lstErrors.empty());
  EXPECT_EQ(r->v.m_dScore, 1.0);

  // The prefix stays outside the noun.
  r = Read("vIghojpu'ghach", kGhoj);
  ASSERT_EQ(r->ok, 1);
  EXPECT_EQ(r->v.m_strPrefix, "vI");
  EXPECT_EQ(r->v.m_noun.m_strWord, "ghojpu'ghach");
  EXPECT_EQ(r->v.m_noun.m_strRoot, "ghojpu'ghach");

  // Verb suffixes end at the nominaliser: what follows must be noun suffixes.
  EXPECT_EQ(Read("ghojwI'pu'x", kGhoj)->ok, 0);
  EXPECT_EQ(Read("ghojwI'laH", kGhoj)->ok, 0);
  r = Read("ghojtaH", kGhoj);
  EXPECT_EQ(r->v.m_bNominalised, 0);
  EXPECT_EQ(r->v.m_bNounForm, 0);
}

TEST(VerbRecord, ClearRestoresInitialState) {
  auto r = Read("vIghojwI'pu'", kGhoj);
  ASSERT_EQ(r->ok, 1);
  r->v.m_strQuBe[10] = "qu'be'";
  r->v.Clear();
  EXPECT_EQ(r->v.m_nPosCode, kPosVerb);
  EXPECT_EQ(r->v.m_strPrefix, "");
  EXPECT_EQ(r->v.m_strSuffix[8], "");
  EXPECT_TRUE(NoRovers(r->v));
  EXPECT_EQ(r->v.m_bNominalised + r->v.m_bNounForm + r->v.m_bPronoun + r->v.m_bStative, 0);
  EXPECT_EQ(r->v.m_noun.m_strRoot, "");
  EXPECT_EQ(r->v.m_dScore, 0.0);
}
