#include "rules/rule.h"

#include <gtest/gtest.h>

#include "testutil.h"

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
  int cases = 0;
  for (const auto& [kind, text] : rulestest::Rows("refused.tsv")) {
    bool ok = true;
    if (kind == "pattern") EXPECT_EQ(CRule::GetPatternFromString(text, &ok), CRulePattern()) << text;
    else if (kind == "effect") CRule::GetModFromString(text, &ok);
    else ok = CRule::IsValidName(text) != (kind == "name");
    EXPECT_FALSE(ok) << kind << ": " << text;
    ++cases;
  }
  EXPECT_EQ(cases, 25);
}
