// Verb records built by hand: rendering leaves them alone, the Klingon
// re-spelling and the rebuilt suffix string. Glosses of whole words are in fixtures/.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "test_support.h"

namespace {

TEST(VerbGloss, RenderingLeavesTheRecordAlone) {
  TestVerb v("be big", "bI");
  v.Stative().Suf("'a'");
  const std::string first = v.ToString();
  EXPECT_EQ(v.ToString(), first);
  EXPECT_EQ(v.m_strSuffix[8], "'a'");
  EXPECT_EQ(v.m_strDefinition, "be big");
  EXPECT_EQ(v.m_strSubject, "you ");
}

TEST(VerbKlingon, TypedSuffixesOnly) {
  TestVerb v("see", "vI");
  v.Rover("be'", 0).Suf("Ha'").Suf("pu'").Rover("qu'", 8).Suf("Qo'").Suf("'a'");
  EXPECT_EQ(v.ToStringKlingon(), "vIleghpu''a'");
  EXPECT_EQ(TestVerb("see").ToStringKlingon(), "legh");
}

// The rebuilt suffix string, cut before each type.
TEST(VerbBuildSuffixes, EveryCut) {
  TestVerb v("see");
  v.Rover("be'qu'", 0).Rover("qu'", 0).Suf("'egh").Rover("be'", 2).Suf("nIS").Rover("qu'be'", 3);
  v.Suf("choH").Suf("moH").Rover("qu'", 5).Suf("laH").Suf("bej").Rover("be'", 7).Suf("pu'");
  v.Suf("neS").Rover("qu'", 9).Suf("jaj").Rover("be'", 10).Rover("qu'", 10);
  const char* parts[] = {"be'qu'qu'", "'eghbe'", "nISqu'be'", "choH", "moHqu'",
                         "laH",       "bejbe'",  "pu'",       "neSqu'", "jajbe'qu'"};
  std::string expected;
  EXPECT_EQ(v.BuildSuffixes(0), "");
  for (int n = 1; n <= 10; ++n) {
    expected += parts[n - 1];
    EXPECT_EQ(v.BuildSuffixes(n), expected) << "n = " << n;
  }
  EXPECT_EQ(v.BuildSuffixes(11), expected);
  // The word read back is the word as recorded here.
  EXPECT_EQ(v.BuildSuffixes(10), v.m_strWord.substr(4));
}

TEST(VerbBuildSuffixes, RoverOrderAtOnePosition) {
  TestVerb v("see");
  v.Rover("be'qu'", 0).Rover("be'", 0).Rover("qu'be'", 0).Rover("qu'", 0);
  EXPECT_EQ(v.BuildSuffixes(1), "be'qu'be'qu'be'qu'");
  TestVerb w("see");
  w.Rover("qu'", 0).Rover("be'", 0);
  EXPECT_EQ(w.BuildSuffixes(1), "be'qu'");
}

TEST(VerbBuildSuffixes, NegationKeepsItsRoverOnce) {
  TestVerb a("see");
  a.Rover("be'", 0).Suf("Ha'").Rover("qu'", 0);
  EXPECT_EQ(a.BuildSuffixes(10), "Ha'qu'be'");

  TestVerb b("see");
  b.Suf("Ha'").Rover("be'qu'", 0).Suf("pu'");
  EXPECT_EQ(b.BuildSuffixes(1), "Ha'be'qu'");
  EXPECT_EQ(b.BuildSuffixes(10), "Ha'be'qu'pu'");

  TestVerb c("see");
  c.Suf("Ha'").Rover("qu'be'", 0);
  EXPECT_EQ(c.BuildSuffixes(10), "Ha'qu'be'");

  TestVerb d("see");
  d.Suf("Ha'").Rover("be'", 0).Suf("'egh").Rover("qu'", 2);
  EXPECT_EQ(d.BuildSuffixes(1), "Ha'be'");
  EXPECT_EQ(d.BuildSuffixes(2), "Ha'be''eghqu'");

  TestVerb e("see");
  e.Suf("Ha'").Suf("laH");
  EXPECT_EQ(e.BuildSuffixes(5), "Ha'");
  EXPECT_EQ(e.BuildSuffixes(10), "Ha'laH");
  EXPECT_EQ(e.BuildSuffixes(0), "");

  // A -Ha' after a typed suffix: the rover behind it belongs to that suffix
  // and is written there, not a second time after -Ha'.
  TestVerb f("see");
  f.Suf("pu'").Suf("Ha'").Rover("be'", 8);
  EXPECT_EQ(f.BuildSuffixes(10), "Ha'pu'be'");
}

TEST(VerbBuildSuffixes, RefusalWrittenOnce) {
  TestVerb a("see");
  a.Suf("Qo'").Rover("be'", 0);
  EXPECT_EQ(a.BuildSuffixes(8), "be'");
  EXPECT_EQ(a.BuildSuffixes(9), "be'Qo'");
  EXPECT_EQ(a.BuildSuffixes(10), "be'Qo'");

  // The rebuilt chain reads back as itself, so a suggestion built from it
  // cannot keep growing.
  TestVerb b("see", "yI");
  b.Suf("neS").Suf("Qo'").Rover("be'", 9);
  EXPECT_EQ(b.BuildSuffixes(10), "neSQo'be'");
  EXPECT_EQ(b.BuildSuffixes(10), b.m_strWord.substr(4));

  TestVerb c("see");
  c.Suf("pu'").Suf("Qo'").Suf("jaj").Rover("qu'", 10);
  EXPECT_EQ(c.BuildSuffixes(9), "pu'Qo'");
  EXPECT_EQ(c.BuildSuffixes(10), "pu'Qo'jajqu'");
}

// Words built in the canonical order rebuild to themselves: prefix, root and
// the rebuilt chain spell the word again.
TEST(VerbBuildSuffixes, ScannedWordsRebuildThemselves) {
  static const std::vector<std::vector<std::string>> kByType = {
      {"'egh", "chuq"},
      {"beH", "nIS", "qang", "rup", "vIp"},
      {"choH", "qa'"},
      {"moH"},
      {"laH", "lu'"},
      {"ba'", "bej", "chu'", "law'"},
      {"lI'", "pu'", "ta'", "taH"},
      {"neS"},
      {"'a'", "bogh", "chugh", "DI'", "jaj", "meH", "mo'", "pa'", "vIS"},
  };
  static const char* kRovers[] = {"be'", "qu'", "be'qu'", "qu'be'"};
  static const char* kNegations[] = {"Ha'", "Ha'be'", "Ha'qu'", "Ha'be'qu'", "Ha'qu'be'"};
  const CKWord legh = Entry("legh", kPosVerb, "see");
  std::mt19937 rng(4);
  auto pick = [&rng](size_t n) { return static_cast<size_t>(rng() % n); };

  for (int i = 0; i < 400; ++i) {
    std::string word;
    if (pick(2)) word = CParsedVerb::kPrefixes[pick(CParsedVerb::kPrefixCount)].prefix;
    word += "legh";
    if (pick(4) == 0) word += kNegations[pick(5)];
    else if (pick(3) == 0) word += kRovers[pick(4)];
    // -Qo' stands before the type 9 slot and keeps the rovers of the type 8
    // slot after it; those come back in place only when -neS precedes it.
    const bool refusal = pick(3) == 0;
    bool hasType8 = false;
    for (int t = 1; t <= 9; ++t) {
      if (t == 9 && refusal) {
        word += "Qo'";
        if (hasType8 && pick(2)) word += kRovers[pick(4)];
      }
      if (pick(3) != 0) continue;
      const auto& texts = kByType[t - 1];
      word += texts[pick(texts.size())];
      hasType8 = hasType8 || t == 8;
      if (pick(3) == 0 && !(t == 8 && refusal)) word += kRovers[pick(4)];
    }
    TestVerb v("see");
    ASSERT_EQ(v.Parse(word, legh), 1) << word;
    EXPECT_EQ(v.m_strPrefix + v.m_strRoot + v.BuildSuffixes(10), word);
  }
}

}  // namespace
