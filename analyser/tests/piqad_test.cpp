// Conversion between the Latin transcription and the pIqaD font's code.
#include <gtest/gtest.h>

#include "morphan/piqad.h"

using morphan::CharRun;
using morphan::NonGlyphRuns;
using morphan::ToLatin;
using morphan::ToPiqad;

TEST(Piqad, ToPiqadAndBack) {
  // Latin, its pIqaD code, and the Latin that code gives back ("" = the same).
  const struct {
    const char *latin, *code, *back;
  } rows[] = {
      {"tlhIngan", "XIFAN", ""},
      {"Qapla'", "QAPLA'", ""},
      {"qep", "KEP", ""},
      {"tlhIngan maH! Qapla'\nchoQaH, ghIj: jIyajbe'.\t1 2 3",
       "XIFAN MAH! QAPLA'\nCOQAH, GIJ: JIYAJBE'.\t1 2 3", ""},
      {"a b ch D e gh H I j l m n ng o p q Q r S t tlh u v w y '",
       "A B C D E G H I J L M N F O P K Q R S T X U V W Y '", ""},
      // Lower-case d, h, i and s share the codes of D, H, I and S.
      {"dhis", "DHIS", "DHIS"},
      // n before gh is read as ng, so the word comes back with a capital H.
      {"nghIq", "FHIK", "ngHIq"},
      {"Qapla\u2019 \u00e9", "QAPLA\u2019 \u00e9", ""},
  };
  for (const auto& r : rows) {
    EXPECT_EQ(ToPiqad(r.latin), r.code) << r.latin;
    EXPECT_EQ(ToLatin(r.code), *r.back ? r.back : r.latin) << r.code;
  }
  // Letters Klingon does not use, and text already in code, pass through.
  EXPECT_EQ(ToPiqad("fkxz FKXZ"), "fkxz FKXZ");
  EXPECT_EQ(ToLatin("fkxz Z"), "fkxz Z");
}

TEST(Piqad, PairRulesTakeTheNextCharacterUnseen) {
  const std::pair<const char*, const char*> rows[] = {
      // A lone c or g swallows whatever follows it, a whole UTF-8 character.
      {"Dac ghu'", "DACGU'"}, {"jag.", "JAG"}, {"cx", "C"}, {"ag", "AG"}, {"c", "C"},
      {"c\u00e9a", "CA"}, {"g\u2019a", "GA"}, {"g\xF0\x9F\x98\x80" "a", "GA"}, {"g\xE2", "G"},
      // t is tlh only with both l and h after it.
      {"tl th tlh", "TL TH X"}, {"tlhtl", "XTL"},
  };
  for (const auto& [latin, code] : rows) EXPECT_EQ(ToPiqad(latin), code) << latin;
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
