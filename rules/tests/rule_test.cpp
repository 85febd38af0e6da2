#include "rules/rule.h"

#include <gtest/gtest.h>

TEST(RuleDisplay, PatternAndEffectTextsRoundTrip) {
  CRule rule("<greet>");
  rule.m_arrPatterns = {{100, "nuqneH|hello"}, {-20, "  two  spaces "}, {7, ""}};
  rule.m_arrMods = {{true, {"<A>", "<B>"}}, {false, {"<ask name>"}}, {true, {}}};
  const char* patterns[] = {"p:100 nuqneH|hello", "p:-20   two  spaces ", "p:7 "};
  const char* mods[] = {"+: <A><B>", "-: <ask name>", "+: "};  // names run together
  for (int i = 0; i < 3; ++i) {
    bool okPattern = false, okMod = false;
    EXPECT_EQ(rule.GetPattern(i), patterns[i]);
    EXPECT_EQ(CRule::GetPatternFromString(patterns[i], &okPattern), rule.m_arrPatterns[i]);
    EXPECT_EQ(rule.GetMod(i), mods[i]);
    EXPECT_EQ(CRule::GetModFromString(mods[i], &okMod), rule.m_arrMods[i]);
    EXPECT_TRUE(okPattern && okMod) << i;
  }
  for (int i : {-1, 3}) EXPECT_EQ(rule.GetPattern(i) + rule.GetMod(i), "") << i;
  // an empty pattern may also come without the space
  EXPECT_EQ(CRule::GetPatternFromString("p:5"), (CRulePattern{5, ""}));
}

TEST(RuleDisplay, MalformedTextsAndNamesAreRefused) {
  for (const char* text : {"", "p:", "p: 5 x", "q:5 x", "p:5x", "p:+5 x", "p:99999999999 x", "5 x"}) {
    bool ok = true;
    EXPECT_EQ(CRule::GetPatternFromString(text, &ok), CRulePattern()) << text;
    EXPECT_FALSE(ok) << text;
  }
  for (const char* text : {"", "+", "*: <A>", "+: A", "+: <A>B", "+: <A", "+: <<A>>", "+: <>",
                           "-: <A> <B>"}) {
    bool ok = true;
    CRule::GetModFromString(text, &ok);
    EXPECT_FALSE(ok) << text;
  }
  for (const char* name : {"<greeting>", "< spaced name >", "<Qapla'>"})
    EXPECT_TRUE(CRule::IsValidName(name)) << name;
  for (const char* name : {"greeting", "<>", "<a>b>", "<a<b>", "<line\nbreak>"})
    EXPECT_FALSE(CRule::IsValidName(name)) << name;
}
