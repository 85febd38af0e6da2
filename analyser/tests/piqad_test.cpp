// Conversion between the Latin transcription and the pIqaD font's code.
#include <gtest/gtest.h>

#include "morphan/piqad.h"

using morphan::CharRun;
using morphan::NonGlyphRuns;
using morphan::ToLatin;
using morphan::ToPiqad;

TEST(Piqad, WordsGoThereAndBack) {
  EXPECT_EQ(ToPiqad("tlhIngan"), "XIFAN");
  EXPECT_EQ(ToLatin("XIFAN"), "tlhIngan");
  EXPECT_EQ(ToPiqad("Qapla'"), "QAPLA'");
  EXPECT_EQ(ToLatin("QAPLA'"), "Qapla'");
  EXPECT_EQ(ToPiqad("qep"), "KEP");
  EXPECT_EQ(ToLatin("KEP"), "qep");
  const std::string text = "tlhIngan maH! Qapla'\nchoQaH, ghIj: jIyajbe'.\t1 2 3";
  EXPECT_EQ(ToPiqad(text), "XIFAN MAH! QAPLA'\nCOQAH, GIJ: JIYAJBE'.\t1 2 3");
  EXPECT_EQ(ToLatin(ToPiqad(text)), text);
}

TEST(Piqad, EveryLetterHasItsCode) {
  EXPECT_EQ(ToPiqad("a b ch D e gh H I j l m n ng o p q Q r S t tlh u v w y '"),
            "A B C D E G H I J L M N F O P K Q R S T X U V W Y '");
  EXPECT_EQ(ToLatin("A B C D E G H I J L M N F O P K Q R S T X U V W Y '"),
            "a b ch D e gh H I j l m n ng o p q Q r S t tlh u v w y '");
  // Lower-case d, h, i and s share the codes of D, H, I and S, so they come back upper case.
  EXPECT_EQ(ToPiqad("dhis"), "DHIS");
  EXPECT_EQ(ToLatin("DHIS"), "DHIS");
  // Letters Klingon does not use, and text already in code, pass through.
  EXPECT_EQ(ToPiqad("fkxz FKXZ"), "fkxz FKXZ");
  EXPECT_EQ(ToLatin("fkxz Z"), "fkxz Z");
}

TEST(Piqad, PairRulesTakeTheNextCharacterUnseen) {
  // A lone c or g swallows whatever follows it.
  EXPECT_EQ(ToPiqad("Dac ghu'"), "DACGU'");
  EXPECT_EQ(ToPiqad("jag."), "JAG");
  EXPECT_EQ(ToPiqad("cx"), "C");
  EXPECT_EQ(ToPiqad("ag"), "AG");  // nothing left to swallow
  EXPECT_EQ(ToPiqad("c"), "C");
  // n before gh is read as ng, so the word comes back with a capital H.
  EXPECT_EQ(ToPiqad("nghIq"), "FHIK");
  EXPECT_EQ(ToLatin("FHIK"), "ngHIq");
  // t is tlh only with both l and h after it.
  EXPECT_EQ(ToPiqad("tl th tlh"), "TL TH X");
  EXPECT_EQ(ToPiqad("tlhtl"), "XTL");
}

TEST(Piqad, NonAsciiSurvivesWhole) {
  EXPECT_EQ(ToPiqad("Qapla\u2019 \u00e9"), "QAPLA\u2019 \u00e9");
  EXPECT_EQ(ToLatin("QAPLA\u2019 \u00e9"), "Qapla\u2019 \u00e9");
  // The pair rule takes a whole character, never half of a UTF-8 sequence.
  EXPECT_EQ(ToPiqad("c\u00e9a"), "CA");
  EXPECT_EQ(ToPiqad("g\u2019a"), "GA");
  EXPECT_EQ(ToPiqad("g\xF0\x9F\x98\x80" "a"), "GA");
  EXPECT_EQ(ToPiqad("g\xE2"), "G");  // truncated sequence at the end
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
