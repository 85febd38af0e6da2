#include "rules/ruletext.h"

#include <gtest/gtest.h>

#include <random>

#include "rules/ruledb.h"
#include "testutil.h"

namespace {

std::string Sample() { return rulestest::ReadFixture("sample.rules"); }

}  // namespace

TEST(RulesText, ReadsEveryFieldAndWritesTheSameText) {
  CRuleDB db;
  db.Add(CRule("<old>"));
  std::string error;
  ASSERT_TRUE(ReadRulesText(Sample(), db, error)) << error;
  EXPECT_EQ(db.GetVersion(), "1.0");
  ASSERT_EQ(db.GetSize(), 3);
  const CRule& g = db[0];
  EXPECT_EQ(g.m_strName, "<greeting>");
  EXPECT_EQ(g.m_dActivation, 0.5);
  EXPECT_EQ(g.m_dCurrentActivation, 0.5);
  EXPECT_EQ(g.GetPattern(0), "p:100 nuqneH|hello");
  EXPECT_EQ(g.GetPattern(1), "p:-50 Qapla'");
  EXPECT_EQ(g.GetPattern(2), "p:10 ");
  EXPECT_EQ(g.m_strResponse, "nuqneH!\n\n(Hello!)\tback\\slash");
  EXPECT_EQ(g.GetMod(0), "+: <ask name><b>");
  EXPECT_EQ(g.GetMod(1), "-: ");
  EXPECT_EQ(db[2].m_dActivation, 1e-7);
  EXPECT_EQ(db[2].m_arrPatterns[0].m_strPattern, "two\nlines");
  EXPECT_EQ(WriteRulesText(db), Sample());

  // Windows line ends and a byte-order mark are fine; no rules is empty, not an error.
  ASSERT_TRUE(ReadRulesText("\xef\xbb\xbfrobot-rules 1\r\nrule <a>\r\nactivation 1\r\n"
                            "response x\r\nend\r\n", db, error)) << error;
  ASSERT_EQ(db.GetSize(), 1);
  EXPECT_EQ(db[0].m_strResponse, "x");
  EXPECT_EQ(db.GetVersion(), "");
  ASSERT_TRUE(ReadRulesText("robot-rules 1\n", db, error)) << error;
  EXPECT_EQ(db.GetSize(), 0);
}

TEST(RulesText, AwkwardValuesRoundTrip) {
  CRuleDB db;
  db.SetVersion(" spaced\\version\n");
  CRule r("< odd name >", 0.1 + 0.2);  // a level with no short decimal form
  r.m_arrPatterns = {{0, ""}, {-2147483647 - 1, " lead"}, {2147483647, "trail \r\n"}};
  r.m_strResponse = "\n\nmiddle\r\n\n";
  r.m_arrMods = {{false, {"<x>"}}, {true, {}}};
  db.Add(r);
  db.Add(CRule("<empty>", -3.5));
  CRule oneNewline("<newline>", 0);
  oneNewline.m_strResponse = "\n";
  db.Add(oneNewline);

  const std::string text = WriteRulesText(db);
  CRuleDB back;
  std::string error;
  ASSERT_TRUE(ReadRulesText(text, back, error)) << error << "\n" << text;
  EXPECT_TRUE(back.IsSameAs(db)) << text;
  EXPECT_EQ(WriteRulesText(back), text);
}

TEST(RulesText, DamagedTextsNameTheLineAndChangeNothing) {
  int cases = 0;
  for (const auto& [message, text] : rulestest::Rows("damaged.tsv")) {
    CRuleDB db;
    db.Add(CRule("<keep>"));
    db.SetVersion("v");
    std::string error;
    EXPECT_FALSE(ReadRulesText(text, db, error)) << text;
    EXPECT_EQ(error, message) << text;
    ASSERT_EQ(db.GetSize(), 1);
    EXPECT_EQ(db[0].m_strName, "<keep>");
    EXPECT_EQ(db.GetVersion(), "v");
    ++cases;
  }
  EXPECT_GE(cases, 20);
}

TEST(RulesText, MangledFilesFailCleanlyOrRoundTrip) {
  const std::string text = Sample();
  std::mt19937 rng(12345);
  const char bytes[] = {'\n', '\\', '<', '>', ' ', '+', '-', '|', '\0', '\xff', '\xc3', 'x', '9'};
  for (int round = 0; round < 3000; ++round) {
    std::string mangled = text;
    for (int edits = 1 + static_cast<int>(rng() % 4); edits > 0; --edits) {
      const size_t at = rng() % mangled.size();
      const char c = bytes[rng() % sizeof bytes];
      switch (rng() % 3) {
        case 0: mangled[at] = c; break;
        case 1: mangled.insert(mangled.begin() + static_cast<long>(at), c); break;
        default: mangled.erase(at, 1 + rng() % 8); break;
      }
      if (mangled.empty()) mangled = "x";
    }
    CRuleDB db;
    db.Add(CRule("<keep>"));
    std::string error;
    if (!ReadRulesText(mangled, db, error)) {
      EXPECT_FALSE(error.empty());
      ASSERT_EQ(db.GetSize(), 1);
      continue;
    }
    CRuleDB back;
    ASSERT_TRUE(ReadRulesText(WriteRulesText(db), back, error)) << error << "\n" << mangled;
    EXPECT_TRUE(back.IsSameAs(db)) << mangled;
  }
}
