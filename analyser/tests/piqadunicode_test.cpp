// Latin transcription, font code and Unicode pIqaD (the registry's block).
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "morphan/piqad.h"
#include "morphan/piqadunicode.h"

using namespace morphan;

namespace {

std::string Utf8(std::u32string_view cps) {
  std::string out;
  for (const char32_t cp : cps) {
    if (cp < 0x80) {
      out += char(cp);
    } else if (cp < 0x800) {
      out += char(0xC0 | (cp >> 6));
      out += char(0x80 | (cp & 0x3F));
    } else {  // the tests use nothing beyond the BMP
      out += char(0xE0 | (cp >> 12));
      out += char(0x80 | ((cp >> 6) & 0x3F));
      out += char(0x80 | (cp & 0x3F));
    }
  }
  return out;
}

// The registry's order, written out independently of the library's table.
const std::vector<std::pair<std::string, char32_t>> kLetters = {
    {"a", 0xF8D0}, {"b", 0xF8D1}, {"ch", 0xF8D2}, {"D", 0xF8D3}, {"e", 0xF8D4},
    {"gh", 0xF8D5}, {"H", 0xF8D6}, {"I", 0xF8D7}, {"j", 0xF8D8}, {"l", 0xF8D9},
    {"m", 0xF8DA}, {"n", 0xF8DB}, {"ng", 0xF8DC}, {"o", 0xF8DD}, {"p", 0xF8DE},
    {"q", 0xF8DF}, {"Q", 0xF8E0}, {"r", 0xF8E1}, {"S", 0xF8E2}, {"t", 0xF8E3},
    {"tlh", 0xF8E4}, {"u", 0xF8E5}, {"v", 0xF8E6}, {"w", 0xF8E7}, {"y", 0xF8E8},
    {"'", 0xF8E9}};

}  // namespace

TEST(UnicodePiqad, EveryLetterDigitAndSign) {
  for (const auto& [latin, cp] : kLetters) {
    const std::string piqad = Utf8(std::u32string(1, cp));
    EXPECT_EQ(LatinToUnicodePiqad(latin), piqad) << latin;
    EXPECT_EQ(UnicodePiqadToLatin(piqad), latin) << latin;
    // The font code of the letter is the same letter.
    EXPECT_EQ(FontCodeToUnicodePiqad(ToPiqad(latin)), piqad) << latin;
    EXPECT_EQ(UnicodePiqadToFontCode(piqad), ToPiqad(latin)) << latin;
  }
  for (char d = '0'; d <= '9'; ++d) {
    const std::string piqad = Utf8(std::u32string(1, U'\uF8F0' + char32_t(d - '0')));
    EXPECT_EQ(LatinToUnicodePiqad(std::string(1, d)), piqad) << d;
    EXPECT_EQ(UnicodePiqadToLatin(piqad), std::string(1, d)) << d;
    EXPECT_EQ(FontCodeToUnicodePiqad(std::string(1, d)), piqad) << d;
    EXPECT_EQ(UnicodePiqadToFontCode(piqad), std::string(1, d)) << d;
  }
  EXPECT_EQ(LatinToUnicodePiqad(", ."), Utf8(U"\uF8FD \uF8FE"));
  EXPECT_EQ(UnicodePiqadToLatin(Utf8(U"\uF8FD\uF8FE")), ",.");
  EXPECT_EQ(UnicodePiqadToFontCode(Utf8(U"\uF8FD\uF8FE")), ",.");
}

TEST(UnicodePiqad, Words) {
  const std::vector<std::pair<std::string, std::u32string>> rows = {
      {"tlhIngan Hol", U"\uF8E4\uF8D7\uF8DC\uF8D0\uF8DB \uF8D6\uF8DD\uF8D9"},
      {"Qapla'!", U"\uF8E0\uF8D0\uF8DE\uF8D9\uF8D0\uF8E9!"},
      {"qep", U"\uF8DF\uF8D4\uF8DE"},
      {"chalghach", U"\uF8D2\uF8D0\uF8D9\uF8D5\uF8D0\uF8D2"},
      {"wa'maH cha'.", U"\uF8E7\uF8D0\uF8E9\uF8DA\uF8D0\uF8D6 \uF8D2\uF8D0\uF8E9\uF8FE"},
      {"1990", U"\uF8F1\uF8F9\uF8F9\uF8F0"},
      // Common slips: lower-case d, h, i, s and typographic apostrophes.
      {"dis\u2019 hi\u02BC", U"\uF8D3\uF8D7\uF8E2\uF8E9 \uF8D6\uF8D7\uF8E9"},
      // n before g is ng, as in the font code; a lone c or g is no letter.
      {"ngh", U"\uF8DC\uF8D6"},
      {"cag g", U"c\uF8D0g g"},
      {"fkxz Z \u00e9", U"fkxz Z \u00e9"},
      {"", U""},
  };
  for (const auto& [latin, piqad] : rows) EXPECT_EQ(LatinToUnicodePiqad(latin), Utf8(piqad)) << latin;
}

TEST(UnicodePiqad, RoundTripsOverEveryLetterPair) {
  for (const auto& [first, a] : kLetters) {
    for (const auto& [second, b] : kLetters) {
      const std::string latin = first + second;
      const std::string piqad = Utf8(std::u32string{a, b});
      EXPECT_EQ(UnicodePiqadToFontCode(FontCodeToUnicodePiqad(ToPiqad(latin))), ToPiqad(latin));
      if (first == "n" && second == "gh") {
        // Written out, n gh reads as ng H: the one pair that cannot come back.
        EXPECT_EQ(LatinToUnicodePiqad(UnicodePiqadToLatin(piqad)), Utf8(U"\uF8DC\uF8D6"));
        continue;
      }
      EXPECT_EQ(LatinToUnicodePiqad(latin), piqad) << latin;
      EXPECT_EQ(UnicodePiqadToLatin(piqad), latin) << latin;
    }
  }
  const std::string text = "nuqneH, tlhIngan? jIyajbe'. 42 Qo'noS";
  EXPECT_EQ(UnicodePiqadToLatin(LatinToUnicodePiqad(text)), text);
  EXPECT_EQ(FontCodeToUnicodePiqad(ToPiqad(text)), LatinToUnicodePiqad(text));
}

TEST(UnicodePiqad, OtherAndDamagedText) {
  // The mummification glyph, unassigned code points of the block and broken
  // sequences pass through untouched.
  const std::string kept = Utf8(U"\uF8FF \uF8EA \uF8FC") + "\xEF\xA3" + " \xEF\xA3\x8F \xEF";
  EXPECT_EQ(UnicodePiqadToLatin(kept), kept);
  EXPECT_EQ(UnicodePiqadToFontCode(kept), kept);
  EXPECT_EQ(UnicodePiqadToLatin(Utf8(U"a\uF8D0\u00e9\U0000F8E9")), "aa\u00e9'");
  EXPECT_TRUE(ContainsUnicodePiqad(Utf8(U"x\uF8FF")));
  EXPECT_TRUE(ContainsUnicodePiqad(Utf8(U"\uF8D0")));
  EXPECT_FALSE(ContainsUnicodePiqad("\xEF\xA3\x8F \xEF\xA3 Qapla'"));
  EXPECT_FALSE(ContainsUnicodePiqad(Utf8(U"\uF8CF\u00e9")));
}
