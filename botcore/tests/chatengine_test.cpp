#include "botcore/chatengine.h"

#include <gtest/gtest.h>

#include <optional>

#include "rules/ruledb.h"
#include "rules/ruletext.h"
#include "testutil.h"

using botcore::CChatEngine;

// Plays conversations.txt: each case's rules text, then its turns.
TEST(ChatEngine, FixtureConversations) {
  std::istringstream in(botcore::test::ReadAll(BOTCORE_FIXTURES "/conversations.txt"));
  std::string name, rules, reply, error;
  CRuleDB db;
  std::optional<CChatEngine> engine;
  int cases = 0;
  for (std::string turn; std::getline(in, turn);) {
    if (turn.empty() || turn[0] == '#') continue;
    if (turn.rfind("== ", 0) == 0) {
      name = turn.substr(3);
      rules.clear();
      engine.reset();
      ++cases;
      continue;
    }
    if (std::string("><=").find(turn[0]) == std::string::npos && turn != "restart" &&
        turn.rfind("set ", 0) != 0 && turn.rfind("last ", 0) != 0) {
      rules += turn + "\n";
      continue;
    }
    SCOPED_TRACE(name + ": " + turn);
    if (!engine) {
      ASSERT_TRUE(ReadRulesText(rules, db, error)) << error;
      engine.emplace(db);
    }
    const size_t space = turn.find(' ', turn.find(' ') + 1);
    const std::string arg = turn.substr(turn.find(' ') + 1, space - turn.find(' ') - 1);
    if (turn[0] == '>') {
      reply = engine->Reply(turn.size() > 2 ? turn.substr(2) : "");
    } else if (turn[0] == '<') {
      std::string expected = turn.size() > 2 ? turn.substr(2) : "";
      for (size_t at; (at = expected.find("\\n")) != std::string::npos;) expected.replace(at, 2, "\n");
      EXPECT_EQ(reply, expected);
    } else if (turn[0] == '=') {
      ASSERT_GE(db.FindRule(arg), 0);
      EXPECT_DOUBLE_EQ(db[db.FindRule(arg)].m_dCurrentActivation, std::stod(turn.substr(space)));
    } else if (turn.rfind("set ", 0) == 0) {
      db[db.FindRule(arg)].m_dCurrentActivation = std::stod(turn.substr(space));
    } else if (turn.rfind("last ", 0) == 0) {
      EXPECT_EQ(engine->GetLastRule(), std::stoi(arg));
    } else {
      engine->Restart();
    }
  }
  EXPECT_EQ(cases, 5);
}
