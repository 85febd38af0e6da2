// A pronoun used as a verb renders as the copula ("I am", "is he/she?").
#include <gtest/gtest.h>

#include "verbrender_fixture.h"

namespace {

TestVerb Pronoun(const std::string& definition) {
  TestVerb v(definition);
  v.m_strRoot = "jIH";
  v.m_strWord = "jIH";
  v.Pronoun();
  return v;
}

TEST(PronounGloss, PlainForms) {
  EXPECT_EQ(Pronoun("I, me").ToString(), "I am ");
  EXPECT_EQ(Pronoun("I, me").Rover("be'", 0).ToString(), "I am not ");
  EXPECT_EQ(Pronoun("I, me").Suf("Qo'").ToString(), "I refuse to be ");
  EXPECT_EQ(Pronoun("I, me").Suf("vIp").ToString(), "I am afraid to be ");
  EXPECT_EQ(Pronoun("he, she, him, her").Suf("'a'").ToString(), "is he/she?");
}

TEST(PronounGloss, SubjectByDefinition) {
  const struct {
    const char* definition;
    const char* expected;
  } rows[] = {
      {"he, she, him, her", "he/she is "},
      {"I, me", "I am "},
      {"we, us", "we are "},
      {"you", "you are "},
      {"you (pl)", "you (pl) are "},
      {"it", "it is "},
      {"they, them", "they are "},
      // Anything else keeps the subject the analysis left (none here).
      {"this", "are "},
  };
  for (const auto& row : rows) EXPECT_EQ(Pronoun(row.definition).ToString(), row.expected);
  EXPECT_EQ(Pronoun("it").Rover("be'", 0).Suf("'a'").ToString(), "is it not?");
}

TEST(PronounGloss, Questions) {
  EXPECT_EQ(Pronoun("I, me").Suf("laH").Suf("'a'").ToString(), "can I be?");
  EXPECT_EQ(Pronoun("I, me").Suf("nIS").Suf("'a'").ToString(), "do I need to be?");
  EXPECT_EQ(Pronoun("I, me").Suf("vIp").Suf("'a'").ToString(), "am I be afraid to be?");
  EXPECT_EQ(Pronoun("it").Suf("Qo'").Suf("'a'").ToString(), "does it refuse to?");
  EXPECT_EQ(Pronoun("we, us").Suf("choH").Suf("'a'").ToString(), "are we become begin to?");
  EXPECT_EQ(Pronoun("you").Suf("qa'").Suf("neS").Suf("'a'").ToString(), "are you again, your honor?");
}

TEST(PronounGloss, Statements) {
  EXPECT_EQ(Pronoun("I, me").Suf("laH").ToString(), "I can be ");
  EXPECT_EQ(Pronoun("I, me").Suf("laH").Suf("Qo'").ToString(), "I can refuse to be ");
  // Only -laH picks the ability form.
  EXPECT_EQ(Pronoun("I, me").Suf("la'").ToString(), "I am ");
  EXPECT_EQ(Pronoun("he, she, him, her").Suf("choH").ToString(), "he/she become ");
  EXPECT_EQ(Pronoun("he, she, him, her").Suf("choH").Rover("be'", 0).ToString(),
            "he/she does not become ");
  EXPECT_EQ(Pronoun("he, she, him, her").Suf("choH").Suf("Qo'").ToString(),
            "he/she refuse to become ");
  // Statements are not trimmed: the last part decides the ending.
  EXPECT_EQ(Pronoun("I, me").Suf("qa'").ToString(), "I am again");
  EXPECT_EQ(Pronoun("I, me").Suf("beH").ToString(), "I am ready to be ");
  EXPECT_EQ(Pronoun("I, me").Suf("bej").ToString(), "I certainly am ");
  EXPECT_EQ(Pronoun("you").Suf("neS").ToString(), "you are , your honor");
  EXPECT_EQ(Pronoun("they, them").Suf("mo'").ToString(), "because they are ");
  EXPECT_EQ(Pronoun("I, me").Suf("Ha'").ToString(), "I mis-am ");
}

// PronounRoot by case and rover, for the subject "I ".
TEST(PronounGloss, CopulaPieces) {
  const char* rovers[] = {"be'qu'", "qu'be'", "be'", "qu'"};
  const struct {
    int withAux, bare;
    bool choH;
    const char* expected[5];  // by rover as above, then none
  } rows[] = {
      {1, 0, false, {"really am not ", "am really not ", "am not ", "really am ", "am "}},
      {1, 0, true, {"really do not become ", "do not really become ", "do not become ", "really become ", "become "}},
      {0, 0, false, {"really not be ", "be not really ", "not be ", "really be ", "be "}},
      {0, 1, false, {"really not ", "not really ", "not ", "really ", ""}},
      {0, 0, true, {"really not become ", "not really become ", "not become ", "really become ", "become "}},
  };
  for (const auto& row : rows) {
    for (int r = 0; r < 5; ++r) {
      TestVerb v = Pronoun("I, me");
      v.m_strSubject = "I ";
      if (row.choH) v.Suf("choH");
      if (r < 4) v.Rover(rovers[r], 0);
      EXPECT_EQ(v.PronounRoot(row.withAux, row.bare), row.expected[r])
          << row.withAux << row.bare << row.choH << " rover " << r;
    }
  }
  // Negation comes first, the rovers wrap it; be'qu' hides qu'be'.
  TestVerb v = Pronoun("I, me");
  v.m_strSubject = "I ";
  v.Suf("Ha'").Rover("be'qu'", 0).Rover("qu'be'", 0);
  EXPECT_EQ(v.PronounRoot(0, 0), "really not mis-be ");
  v.Rover("qu'", 0);
  EXPECT_EQ(v.PronounRoot(1, 0), "really really mis-am not ");
}

}  // namespace
