#include "rules/rule.h"

#include <gtest/gtest.h>

TEST(RuleDisplay, PatternTextAndBack) {
  CRule rule("<greet>");
  rule.m_arrPatterns = {{100, "nuqneH|hello"}, {-20, "  two  spaces "}, {7, ""}};
  EXPECT_EQ(rule.GetPattern(0), "p:100 nuqneH|hello");
  EXPECT_EQ(rule.GetPattern(1), "p:-20   two  spaces ");
  EXPECT_EQ(rule.GetPattern(2), "p:7 ");
  EXPECT_EQ(rule.GetPattern(3), "");
  EXPECT_EQ(rule.GetPattern(-1), "");
  for (int i = 0; i < rule.GetPatternCount(); ++i) {
    bool ok = false;
    EXPECT_EQ(CRule::GetPatternFromString(rule.GetPattern(i), &ok), rule.m_arrPatterns[i]);
    EXPECT_TRUE(ok);
  }
  // an empty pattern may also come without the space
  EXPECT_EQ(CRule::GetPatternFromString("p:5"), (CRulePattern{5, ""}));
}

TEST(RuleDisplay, MalformedPatternTextsAreRefused) {
  for (const char* text : {"", "p:", "p: 5 x", "q:5 x", "p:5x", "p:+5 x", "p:99999999999 x", "5 x"}) {
    bool ok = true;
    const CRulePattern p = CRule::GetPatternFromString(text, &ok);
    EXPECT_FALSE(ok) << text;
    EXPECT_EQ(p, CRulePattern()) << text;
  }
}

TEST(RuleDisplay, EffectTextJoinsNamesWithoutSeparator) {
  CRule rule("<r>");
  rule.m_arrMods = {{true, {"<A>", "<B>"}}, {false, {"<ask name>"}}, {true, {}}};
  EXPECT_EQ(rule.GetMod(0), "+: <A><B>");
  EXPECT_EQ(rule.GetMod(1), "-: <ask name>");
  EXPECT_EQ(rule.GetMod(2), "+: ");
  EXPECT_EQ(rule.GetMod(3), "");
  for (int i = 0; i < rule.GetModCount(); ++i) {
    bool ok = false;
    EXPECT_EQ(CRule::GetModFromString(rule.GetMod(i), &ok), rule.m_arrMods[i]);
    EXPECT_TRUE(ok);
  }
}

TEST(RuleDisplay, MalformedEffectTextsAreRefused) {
  for (const char* text : {"", "+", "*: <A>", "+: A", "+: <A>B", "+: <A", "+: <<A>>", "+: <>",
                           "-: <A> <B>"}) {
    bool ok = true;
    CRule::GetModFromString(text, &ok);
    EXPECT_FALSE(ok) << text;
  }
}

TEST(RuleNames, BracketsAreRequiredAndCannotNest) {
  EXPECT_TRUE(CRule::IsValidName("<greeting>"));
  EXPECT_TRUE(CRule::IsValidName("< spaced name >"));
  EXPECT_TRUE(CRule::IsValidName("<Qapla'>"));
  EXPECT_FALSE(CRule::IsValidName("greeting"));
  EXPECT_FALSE(CRule::IsValidName("<>"));
  EXPECT_FALSE(CRule::IsValidName("<a>b>"));
  EXPECT_FALSE(CRule::IsValidName("<a<b>"));
  EXPECT_FALSE(CRule::IsValidName("<line\nbreak>"));
}
