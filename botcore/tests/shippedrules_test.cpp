// The rule set shipped with the program: it loads, hangs together and talks.
#include <gtest/gtest.h>

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
