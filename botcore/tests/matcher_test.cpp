#include "botcore/matcher.h"

#include <gtest/gtest.h>

using botcore::CPattern;
using botcore::CWordList;
using botcore::FillResponse;
using botcore::SplitWords;

namespace {

bool Matches(const char* pattern, const char* line, std::vector<std::string>* caps = nullptr) {
  std::vector<std::string> c;
  const bool ok = CPattern(pattern).Match(SplitWords(line), c);
  if (caps) *caps = c;
  return ok;
}

}  // namespace

TEST(Words, PunctuationGoesApostrophesStay) {
  EXPECT_EQ(SplitWords("  nuqneH!  'Iv   SoH?\t(Qapla')"),
            (CWordList{"nuqneH", "'Iv", "SoH", "Qapla'"}));
  EXPECT_EQ(SplitWords("\u201cQapla\u2019!\u201d \u2026 -Daq -- ?!"),
            (CWordList{"Qapla'", "-Daq", "--"}));
  EXPECT_TRUE(SplitWords("  ?! ").empty());
  EXPECT_EQ(SplitWords(std::string(1000, 'a') + std::string(" b") ).size(), 2u);
  std::string many;
  for (int i = 0; i < 500; ++i) many += "wa' ";
  EXPECT_EQ(SplitWords(many).size(), botcore::kMaxInputWords);
}

TEST(Patterns, WordsMatchAnywhereInOrderAndCaseMatters) {
  EXPECT_TRUE(Matches("nuqneH", "nuqneH"));
  EXPECT_TRUE(Matches("nuqneH", "well, nuqneH friend!"));
  EXPECT_TRUE(Matches("tlhIngan Hol", "tlhIngan Hol Dajatlh'a'?"));
  EXPECT_FALSE(Matches("tlhIngan Hol", "Hol tlhIngan"));
  EXPECT_FALSE(Matches("tlhIngan Hol", "tlhIngan ghot Hol"));  // consecutive words only
  EXPECT_FALSE(Matches("qoq", "Qoq"));  // q and Q are different letters
  EXPECT_FALSE(Matches("jatlh", "Dajatlh'a'"));  // whole words, not parts
  EXPECT_TRUE(Matches("nuqneH!", "nuqneH"));  // punctuation in patterns is ignored too
  EXPECT_FALSE(Matches("nuqneH", ""));
}

TEST(Patterns, AlternativesAndEmptyPatterns) {
  EXPECT_TRUE(Matches("hello|Hello|nuqneH", "Hello there"));
  EXPECT_TRUE(Matches("say hi|hello", "say hello"));
  EXPECT_FALSE(Matches("say hi|hello", "say hey"));
  EXPECT_TRUE(Matches("", ""));
  EXPECT_TRUE(Matches("", "  !? "));  // nothing but punctuation is an empty line
  EXPECT_FALSE(Matches("", "x"));
  EXPECT_TRUE(Matches("! ?", ""));  // a pattern of punctuation alone is empty
}

TEST(Patterns, StarsCaptureLongestFirst) {
  std::vector<std::string> caps;
  ASSERT_TRUE(Matches("*", "", &caps));
  EXPECT_EQ(caps, (std::vector<std::string>{""}));
  ASSERT_TRUE(Matches("my name is *", "Hi, my name is Kor son of Mogh.", &caps));
  EXPECT_EQ(caps, (std::vector<std::string>{"Kor son of Mogh"}));
  ASSERT_TRUE(Matches("* jIH", "Kor jIH", &caps));
  EXPECT_EQ(caps, (std::vector<std::string>{"Kor"}));
  ASSERT_TRUE(Matches("* 'oH * 'e'", "a b 'oH c 'e'", &caps));
  EXPECT_EQ(caps, (std::vector<std::string>{"a b", "c"}));
  ASSERT_TRUE(Matches("what does * mean", "so what does nuqneH mean?", &caps));
  EXPECT_EQ(caps, (std::vector<std::string>{"nuqneH"}));
  EXPECT_FALSE(Matches("what does * mean", "what does nuqneH say"));
}

TEST(Patterns, ManyStarsOnALongLineStayFast) {
  // without the memo this is exponential; with it, immediate
  std::string line;
  for (int i = 0; i < 200; ++i) line += "a ";
  EXPECT_FALSE(Matches("* a * a * a * a * a * a * a * b", line.c_str()));
}

TEST(Responses, CapturesFillDollarSlots) {
  const std::vector<std::string> caps = {"Kor", "Mogh"};
  EXPECT_EQ(FillResponse("nuqneH, $1! $2 vuv.", caps), "nuqneH, Kor! Mogh vuv.");
  EXPECT_EQ(FillResponse("$3|$0|$$1|$", caps), "|$0|$1|$");
  EXPECT_EQ(FillResponse("$1", {}), "");
}
