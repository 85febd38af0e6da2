#include "botcore/chatengine.h"

#include <gtest/gtest.h>

#include "rules/ruledb.h"

using botcore::CChatEngine;

namespace {

CRule Make(const char* name, double level, std::vector<CRulePattern> patterns, const char* response,
           std::vector<CRuleMod> mods = {}) {
  CRule r(name, level);
  r.m_arrPatterns = std::move(patterns);
  r.m_strResponse = response;
  r.m_arrMods = std::move(mods);
  return r;
}

}  // namespace

TEST(ChatEngine, HighestScoreWinsEarlierOnTies) {
  CRuleDB db;
  db.Add(Make("<weak>", 0.2, {{100, "nuqneH"}}, "weak"));
  db.Add(Make("<strong>", 0.5, {{50, "nuqneH"}, {90, "nuqneH jup"}}, "strong"));
  db.Add(Make("<tie>", 0.45, {{100, "nuqneH jup"}}, "tie"));
  CChatEngine engine(db);
  EXPECT_EQ(engine.Reply("nuqneH"), "strong");   // 0.25 beats 0.2
  EXPECT_EQ(engine.Reply("nuqneH jup"), "strong");  // 0.45 ties 0.45: the earlier rule
  EXPECT_EQ(engine.GetLastRule(), 1);
  EXPECT_EQ(engine.Reply("ghobe'"), botcore::kNoReply);
  EXPECT_EQ(engine.GetLastRule(), -1);
}

TEST(ChatEngine, NegativePatternVetoesAndZeroActivationSleeps) {
  CRuleDB db;
  db.Add(Make("<yes>", 0.5, {{100, "HIja'"}, {-1, "ghobe'"}}, "yes"));
  db.Add(Make("<asleep>", 0.0, {{100, "HIja'"}}, "asleep"));
  db.Add(Make("<any>", 0.1, {{100, "*"}}, "any"));
  CChatEngine engine(db);
  EXPECT_EQ(engine.Reply("HIja'"), "yes");
  EXPECT_EQ(engine.Reply("HIja' ghobe'"), "any");
  EXPECT_EQ(engine.Reply(""), "any");
}

TEST(ChatEngine, EffectsRaiseAndLowerThenFadeAndFiringResets) {
  CRuleDB db;
  db.Add(Make("<ask>", 0.5, {{100, "ask"}}, "'Iv SoH?", {{true, {"<name>"}}, {false, {"<chat>"}}}));
  db.Add(Make("<name>", 0.0, {{100, "* jIH"}, {50, "*"}}, "nuqneH, $1!"));
  db.Add(Make("<chat>", 0.6, {{30, "*"}}, "chat"));
  CChatEngine engine(db);

  EXPECT_EQ(engine.Reply("ask"), "'Iv SoH?");
  EXPECT_DOUBLE_EQ(db[1].m_dCurrentActivation, 0.5);
  EXPECT_DOUBLE_EQ(db[2].m_dCurrentActivation, 0.1);
  EXPECT_EQ(engine.Reply("Kor jIH"), "nuqneH, Kor!");  // 0.5 x 100 beats 0.1 x 30
  EXPECT_DOUBLE_EQ(db[1].m_dCurrentActivation, 0.0);   // answered: back to rest
  EXPECT_DOUBLE_EQ(db[2].m_dCurrentActivation, 0.35);  // half-way back to 0.6
  EXPECT_EQ(engine.Reply("Kor jIH"), "chat");

  // an unanswered question fades half-way each turn before the next raise
  engine.Reply("ask");
  EXPECT_EQ(engine.Reply("ask"), "'Iv SoH?");
  EXPECT_DOUBLE_EQ(db[1].m_dCurrentActivation, 0.75);  // 0.5 / 2 + 0.5
  EXPECT_DOUBLE_EQ(db[2].m_dCurrentActivation, 0.0);   // 0.35 - 0.5, floored
  engine.Restart();
  EXPECT_DOUBLE_EQ(db[1].m_dCurrentActivation, 0.0);
  EXPECT_DOUBLE_EQ(db[2].m_dCurrentActivation, 0.6);
}

// Effects on missing rules are ignored.
TEST(ChatEngine, RaisesStopAtOneOrAHigherStoredLevel) {
  CRuleDB db;
  db.Add(Make("<a>", 0.5, {{100, "x"}}, "a", {{true, {"<b>", "<gone>", "<c>", "<a>"}}}));
  db.Add(Make("<b>", 0.8, {}, ""));
  db.Add(Make("<c>", 1.5, {}, ""));
  CChatEngine engine(db);
  EXPECT_EQ(engine.Reply("x"), "a");
  EXPECT_DOUBLE_EQ(db[0].m_dCurrentActivation, 1.0);
  EXPECT_DOUBLE_EQ(db[1].m_dCurrentActivation, 1.0);
  EXPECT_DOUBLE_EQ(db[2].m_dCurrentActivation, 1.5);
}

TEST(ChatEngine, AlternativesComeInTurn) {
  CRuleDB db;
  db.Add(Make("<n>", 0.5, {{100, "*"}}, "wa'\r\n|\ncha'\n(two)\n|\n\n|\nwej"));
  db.Add(Make("<bar>", 0.0, {{100, "*"}}, "|"));
  CChatEngine engine(db);
  EXPECT_EQ(engine.Reply("x"), "wa'");
  EXPECT_EQ(engine.Reply("x"), "cha'\n(two)");
  EXPECT_EQ(engine.Reply("x"), "");
  EXPECT_EQ(engine.Reply("x"), "wej");
  EXPECT_EQ(engine.Reply("x"), "wa'");
  engine.Restart();
  EXPECT_EQ(engine.Reply("x"), "wa'");
  db[0].m_dCurrentActivation = 0;
  db[1].m_dCurrentActivation = 1;
  EXPECT_EQ(engine.Reply("x"), "");  // two empty alternatives
}
