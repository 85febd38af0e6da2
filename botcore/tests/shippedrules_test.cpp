// The rule set shipped with the program: it loads, hangs together and talks.
#include <gtest/gtest.h>

#include <set>

#include "botcore/chatengine.h"
#include "rules/ruledb.h"

namespace {

class ShippedRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(m_db.ImportFromTextFile(VEK_ROBOT_RULES_FILE), 1) << m_db.GetLastError();
  }
  CRuleDB m_db;
};

}  // namespace

TEST_F(ShippedRules, EveryRuleCanBeReachedAndEveryEffectHasATarget) {
  EXPECT_GE(m_db.GetSize(), 40);
  std::set<std::string> raised;
  for (const CRule& rule : m_db)
    for (const CRuleMod& mod : rule.m_arrMods)
      for (const auto& name : mod.m_arrRules) {
        EXPECT_GE(m_db.FindRule(name), 0) << rule.m_strName << " names " << name;
        if (mod.m_bRaise) raised.insert(name);
      }
  for (const CRule& rule : m_db) {
    EXPECT_TRUE(rule.m_dActivation > 0 || raised.count(rule.m_strName)) << rule.m_strName;
    EXPECT_GT(rule.GetPatternCount(), 0) << rule.m_strName;
    EXPECT_FALSE(rule.m_strResponse.empty()) << rule.m_strName;
  }
}

TEST_F(ShippedRules, AGreetingLessonAndGoodbye) {
  botcore::CChatEngine robot(m_db);
  struct Turn { const char* say; const char* expect; };
  const Turn script[] = {
      {"nuqneH!", "nuq 'oH ponglIj'e'?"},
      {"Kor 'oH pongwIj'e'", "maj, Kor!"},
      {"HIja'", "bIQ yIjatlh!"},
      {"Soj", "ghobe'. bIQ yIjatlh!"},
      {"bIQ", "majQa'!"},
      {"mu' chu'", "mu' chu': Soj"},
      {"mu' chu'", "mu' chu': jup"},
      {"What is water in Klingon?", "bIQ = \"water\""},
      {"", "bIjatlhbe'!"},
      {"blorp", "nuqjatlh?"},
      {"blorp", "QaH DaneH'a'?"},
      {"help", "QaH vInob."},
      {"bIpIv'a'?", "jIpIv!"},
      {"not so good", "Do'Ha'!"},
      {"Hello, my name is Martok.", "nuq 'oH ponglIj'e'?"},
      {"I'm Martok", "maj, Martok!"},
      {"ghobe'", "toH. vaj majatlh neH."},
      {"Do you speak Klingon?", "tlhIngan Hol vIjatlh"},
      {"Heghlu'meH QaQ jajvam!", "jIHeghlaHbe'"},
      {"Qapla'!", "Qapla'!"},
  };
  for (const auto& turn : script) {
    const std::string reply = robot.Reply(turn.say);
    EXPECT_NE(reply.find(turn.expect), std::string::npos)
        << "said \"" << turn.say << "\", got \"" << reply << "\"";
  }
}
