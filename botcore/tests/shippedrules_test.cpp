// The rule set shipped with the program: it loads, hangs together and talks.
#include <gtest/gtest.h>

#include <cstdio>
#include <set>

#include "botcore/chatengine.h"
#include "rules/ruledb.h"
#include "testutil.h"

TEST(ShippedRules, EveryRuleIsReachableAndAConversationRuns) {
  CRuleDB db;
  ASSERT_EQ(db.ImportFromTextFile(VEK_ROBOT_RULES_FILE), 1) << db.GetLastError();
  EXPECT_GE(db.GetSize(), 40);
  std::set<std::string> raised;
  for (const CRule& rule : db)
    for (const CRuleMod& mod : rule.m_arrMods)
      for (const auto& name : mod.m_arrRules) {
        EXPECT_GE(db.FindRule(name), 0) << rule.m_strName << " names " << name;
        if (mod.m_bRaise) raised.insert(name);
      }
  for (const CRule& rule : db) {
    EXPECT_TRUE(rule.m_dActivation > 0 || raised.count(rule.m_strName)) << rule.m_strName;
    EXPECT_GT(rule.GetPatternCount(), 0) << rule.m_strName;
    EXPECT_FALSE(rule.m_strResponse.empty()) << rule.m_strName;
  }
  // A greeting, a short lesson and goodbye.
  botcore::CChatEngine robot(db);
  const auto script = botcore::test::ReadRows(BOTCORE_FIXTURES "/conversation.tsv");
  ASSERT_GE(script.size(), 20u);
  for (const auto& turn : script) {
    ASSERT_EQ(turn.size(), 2u) << turn[0];
    const std::string reply = robot.Reply(turn[0]);
    EXPECT_NE(reply.find(turn[1]), std::string::npos)
        << "said \"" << turn[0] << "\", got \"" << reply << "\"";
  }
}

// A learner's lines, written before the rules were tuned: at least four in
// five get a fitting reply (the expected rule, or a reply holding the
// expected text); the misses are listed.
TEST(ShippedRules, ALearnerIsUnderstood) {
  CRuleDB db;
  ASSERT_EQ(db.ImportFromTextFile(VEK_ROBOT_RULES_FILE), 1) << db.GetLastError();
  botcore::CChatEngine robot(db);
  int lines = 0, fitting = 0;
  std::string misses;
  for (const auto& row : botcore::test::ReadRows(BOTCORE_FIXTURES "/learner.tsv")) {
    if (row[0].rfind("== ", 0) == 0) {
      robot.Restart();
      continue;
    }
    ASSERT_EQ(row.size(), 2u) << row[0];
    const std::string reply = robot.Reply(row[0]);
    const std::string& want = row[1];
    const int rule = robot.GetLastRule();
    const bool byRule = want.front() == '<';
    const bool ok = byRule ? rule >= 0 && db[rule].m_strName == want : reply.find(want) != std::string::npos;
    ++lines;
    if (ok) ++fitting;
    else
      misses += "\n  \"" + row[0] + "\": wanted " + want + ", got " +
                (rule >= 0 ? db[rule].m_strName : std::string("no rule")) + " \"" + reply + "\"";
  }
  EXPECT_GE(lines, 40);
  EXPECT_GE(fitting * 5, lines * 4) << fitting << " of " << lines << " fitting; misses:" << misses;
  std::printf("learner lines: %d of %d fitting%s\n", fitting, lines, misses.c_str());
}
