// Conversion between the Latin transcription and the pIqaD font's code.
#include <gtest/gtest.h>

#include "morphan/piqad.h"
#include "test_support.h"

using morphan::CharRun;
using morphan::NonGlyphRuns;
using morphan::ToLatin;
using morphan::ToPiqad;

TEST(Piqad, FixtureRows) {
  const auto rows = Lines(VEK_FIXTURES_DIR "/piqad.tsv");
  EXPECT_EQ(rows.size(), 20u);
  for (const std::string& row : rows) {
    const auto cols = Columns(row);
    ASSERT_GE(cols.size(), 2u) << row;
    const std::string latin = Unescape(cols[0]), code = Unescape(cols[1]);
    EXPECT_EQ(ToPiqad(latin), code) << row;
    if (cols.size() > 2) {
      EXPECT_EQ(ToLatin(code), cols[2] == "=" ? latin : Unescape(cols[2])) << row;
    }
  }
  // Text already in code passes through.
  EXPECT_EQ(ToLatin("fkxz Z"), "fkxz Z");
}

TEST(Piqad, GlyphSetAndFallbackRuns) {
  for (char32_t c : std::u32string(U"ABCDEFGHIJKLMNOPQRSTUVWXY'0123456789 ")) EXPECT_TRUE(morphan::IsPiqadGlyph(c)) << char(c);
  for (char32_t c : std::u32string(U"Zazq.,!\t\n-\u00e9\u2019")) EXPECT_FALSE(morphan::IsPiqadGlyph(c));
  EXPECT_EQ(NonGlyphRuns(u"XIFAN MAH! QAPLA'."), (std::vector<CharRun>{{9, 1}, {17, 1}}));
  EXPECT_EQ(NonGlyphRuns(u"A, \u00e9\U0001F600B\t\n"), (std::vector<CharRun>{{1, 1}, {3, 3}, {7, 2}}));
  EXPECT_TRUE(NonGlyphRuns(u"XIFAN 123").empty());
  EXPECT_TRUE(NonGlyphRuns(u"").empty());
}

TEST(Piqad, FaceNames) {
  EXPECT_TRUE(morphan::IsPiqadFace("KLIPIqaDmey"));
  EXPECT_FALSE(morphan::IsPiqadFace("klipiqadmey"));
  EXPECT_FALSE(morphan::IsPiqadFace("KLIPIqaDmey "));
  EXPECT_EQ(morphan::LatinFace(""), "Courier New");
  EXPECT_EQ(morphan::LatinFace("Arial"), "Arial");
}
