#include "botcore/matcher.h"

#include <gtest/gtest.h>

#include "testutil.h"

using botcore::CPattern;
using botcore::CWordList;
using botcore::FillResponse;
using botcore::SplitWords;

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

TEST(Patterns, FixtureRows) {
  const auto rows = botcore::test::ReadRows(BOTCORE_FIXTURES "/patterns.tsv");
  ASSERT_GE(rows.size(), 20u);
  for (const auto& row : rows) {
    ASSERT_GE(row.size(), 3u) << row[0];
    std::vector<std::string> caps;
    EXPECT_EQ(CPattern(row[0]).Match(SplitWords(row[1]), caps), row[2] == "match")
        << "\"" << row[0] << "\" on \"" << row[1] << "\"";
    if (row.size() > 3) {
      EXPECT_EQ(caps, std::vector<std::string>(row.begin() + 3, row.end())) << row[0];
    }
  }
  // Without the memo this is exponential; with it, immediate.
  std::string line;
  for (int i = 0; i < 200; ++i) line += "a ";
  std::vector<std::string> caps;
  EXPECT_FALSE(CPattern("* a * a * a * a * a * a * a * b").Match(SplitWords(line), caps));
}

TEST(Responses, CapturesFillDollarSlots) {
  const std::vector<std::string> caps = {"Kor", "Mogh"};
  EXPECT_EQ(FillResponse("nuqneH, $1! $2 vuv.", caps), "nuqneH, Kor! Mogh vuv.");
  EXPECT_EQ(FillResponse("$3|$0|$$1|$", caps), "|$0|$1|$");
  EXPECT_EQ(FillResponse("$1", {}), "");
}
