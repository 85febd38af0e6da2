#include "botcore/chatengine.h"

#include <gtest/gtest.h>

#include "rules/ruledb.h"
#include "rules/ruletext.h"
#include "testutil.h"

using botcore::CChatEngine;

namespace {

// Plays one case of conversations.txt: its rules text, then its turns.
void Play(const std::string& name, const std::string& rules, const std::vector<std::string>& turns) {
  SCOPED_TRACE(name);
  CRuleDB db;
  std::string error;
  ASSERT_TRUE(ReadRulesText(rules, db, error)) << error;
  CChatEngine engine(db);
  std::string reply;
  for (const std::string& turn : turns) {
    SCOPED_TRACE(turn);
    const size_t space = turn.find(' ', turn.find(' ') + 1);
    const std::string arg = turn.substr(turn.find(' ') + 1, space - turn.find(' ') - 1);
    if (turn[0] == '>') {
      reply = engine.Reply(turn.size() > 2 ? turn.substr(2) : "");
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
      EXPECT_EQ(engine.GetLastRule(), std::stoi(arg));
    } else {
      ASSERT_EQ(turn, "restart");
      engine.Restart();
    }
  }
}

}  // namespace

TEST(ChatEngine, FixtureConversations) {
  std::istringstream in(botcore::test::ReadAll(BOTCORE_FIXTURES "/conversations.txt"));
  std::string name, rules;
  std::vector<std::string> turns;
  int cases = 0;
  auto play = [&] {
    if (!name.empty()) Play(name, rules, turns), ++cases;
    rules.clear();
    turns.clear();
  };
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("== ", 0) == 0) {
      play();
      name = line.substr(3);
    } else if (std::string("><=").find(line[0]) != std::string::npos || line == "restart" ||
               line.rfind("set ", 0) == 0 || line.rfind("last ", 0) == 0) {
      turns.push_back(line);
    } else {
      rules += line + "\n";
    }
  }
  play();
  EXPECT_EQ(cases, 5);
}
