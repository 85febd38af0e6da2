// Verb records built by hand: rendering leaves them alone, the Klingon
// re-spelling and the rebuilt suffix string. Glosses of whole words are in fixtures/.
#include <gtest/gtest.h>

#include <iterator>
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

// Records built by hand in fixtures/verb_records.tsv: the rebuilt suffix chain
// at its cuts and the Klingon spelling.
TEST(VerbBuildSuffixes, FixtureRecords) {
  const auto rows = Lines(VEK_FIXTURES_DIR "/verb_records.tsv");
  EXPECT_EQ(rows.size(), 14u);
  for (const std::string& row : rows) {
    const auto cols = Columns(row);
    std::istringstream record(cols[0]);
    std::string prefix, step;
    std::vector<std::string> steps;
    while (record >> step) {
      if (step.back() == ':') prefix = step.substr(0, step.size() - 1);
      else steps.push_back(step);
    }
    TestVerb v("see", prefix);
    for (const std::string& s : steps) {
      const size_t at = s.rfind('@');
      if (at == std::string::npos) v.Suf(s);
      else v.Rover(s.substr(0, at), std::stoi(s.substr(at + 1)));
    }
    ASSERT_GE(cols.size(), 2u) << row;
    for (size_t i = 1; i < cols.size(); ++i) {
      const std::string& check = cols[i];
      const size_t eq = check.find('=');
      if (check == "self") EXPECT_EQ(v.BuildSuffixes(10), v.m_strWord.substr(4)) << row;
      else if (check.rfind("klingon=", 0) == 0) EXPECT_EQ(v.ToStringKlingon(), check.substr(8)) << row;
      else EXPECT_EQ(v.BuildSuffixes(std::stoi(check.substr(0, eq))), check.substr(eq + 1)) << check << " in " << row;
    }
  }
}

// Words built in the canonical order rebuild to themselves: prefix, root and
// the rebuilt chain spell the word again.
TEST(VerbBuildSuffixes, ScannedWordsRebuildThemselves) {
  std::vector<std::vector<std::string>> byType;
  for (const std::string& line : Lines(VEK_FIXTURES_DIR "/verb_suffix_types.txt")) {
    std::istringstream in(line);
    byType.emplace_back(std::istream_iterator<std::string>(in), std::istream_iterator<std::string>());
  }
  ASSERT_EQ(byType.size(), 9u);
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
      const auto& texts = byType[t - 1];
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
