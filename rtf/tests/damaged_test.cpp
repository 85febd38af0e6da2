// Damaged and hostile RTF opens as far as it can be read; short cases are in
// fixtures/reader.txt.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTextCursor>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

using rtftest::Text;

TEST(RtfDamaged, DeepNesting) {
  const int depth = 100000;
  QByteArray deep = "{\\rtf1 start";
  deep += QByteArray(depth, '{') + "inner\\b" + QByteArray(depth, '}');
  deep += " end}";
  QTextDocument doc;
  auto r = rtf::ReadRtf(deep, doc);
  EXPECT_TRUE(r.bDamaged);
  // Text beyond the depth limit is dropped; the braces still pair up, so the rest reads normally.
  EXPECT_EQ(Text(doc), "start end");
  EXPECT_NE(rtftest::FormatOf(doc, "end").fontWeight(), QFont::Bold);

  // Never closed, and deep destinations that switch tables on and off.
  QByteArray open = "{\\rtf1 x";
  for (int i = 0; i < depth; ++i) open += "{\\*\\fonttbl\\f1 ";
  r = rtf::ReadRtf(open, doc);
  EXPECT_TRUE(r.bDamaged);
  EXPECT_EQ(Text(doc), "x");

  // Nesting that stays just inside the limit is followed in full.
  QByteArray ok = "{\\rtf1 " + QByteArray(900, '{') + "\\b bold" + QByteArray(900, '}') + " plain}";
  r = rtf::ReadRtf(ok, doc);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), "bold plain");
  EXPECT_EQ(rtftest::FormatOf(doc, "bold").fontWeight(), QFont::Bold);
}

// Endless parameters and control words are consumed without growing anything.
TEST(RtfDamaged, EndlessNumbersAndWords) {
  QTextDocument doc;
  rtf::ReadRtf("{\\rtf1 \\fs" + QByteArray(200000, '9') + " x\\" + QByteArray(200000, 'a') + " y}", doc);
  EXPECT_EQ(Text(doc), "xy");
}

TEST(RtfDamaged, TablesFloodedWithEntries) {
  QByteArray fonts = "{\\rtf1{\\fonttbl";
  for (int i = 0; i < 50000; ++i) fonts += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
  fonts += "}{\\colortbl;";
  for (int i = 0; i < 50000; ++i) fonts += "\\red1;";
  fonts += "}\\f20 twenty\\f40000 big\\cf20000 x}";
  QTextDocument doc;
  EXPECT_FALSE(rtf::ReadRtf(fonts, doc).bDamaged);
  EXPECT_EQ(Text(doc), "twentybigx");
  EXPECT_EQ(rtftest::FormatOf(doc, "twenty").fontFamilies().toStringList().value(0), "Font20");
  EXPECT_FALSE(rtftest::FormatOf(doc, "x").hasProperty(QTextFormat::ForegroundBrush));  // beyond the kept entries
}

TEST(RtfDamaged, EveryTruncationReadsAPrefix) {
  const auto src = rtftest::Read(rtftest::Fixture("sample.rtf"));  // every kind of formatting we write
  const QByteArray rtf = rtf::WriteRtf(*src);
  const QString full = Text(*src);
  for (qsizetype n = 5; n < rtf.size() - 3; ++n) {  // from the end of "{\rtf" to before the last brace
    QTextDocument doc;
    const auto r = rtf::ReadRtf(rtf.left(n), doc);
    ASSERT_TRUE(r.bDamaged) << n;
    const QString got = Text(doc);
    if (full.startsWith(got)) continue;
    // A cut inside the number of \uN gives another character in its place.
    ASSERT_TRUE(rtf[n - 1] >= '0' && rtf[n - 1] <= '9') << n << ": " << got.toStdString();
    ASSERT_TRUE(full.startsWith(got.chopped(1))) << n << ": " << got.toStdString();
  }
}

TEST(RtfDamaged, RandomBytesNeverCrash) {
  QRandomGenerator rng(7);
  const char alphabet[] = "{}\\\\\\'*0123456789-abfuilpcrs ;\t\n\x92\xff";
  const QByteArray words[] = {"\\par ", "\\u-5", "\\uc3", "\\bin3 ", "{\\*", "\\fonttbl", "\\colortbl", "\\'9",
                              "\\f1", "\\fcharset128", "\\ansicpg932", "\\cell", "\\row", "\\upr", "\\ud", "\\pict"};
  for (int round = 0; round < 400; ++round) {
    QByteArray data = "{\\rtf1";
    const int len = int(rng.bounded(2000));
    for (int i = 0; i < len; ++i)
      data += rng.bounded(4) ? QByteArray(1, alphabet[rng.bounded(int(sizeof alphabet - 1))])
                             : words[rng.bounded(int(std::size(words)))];
    QTextDocument doc;
    rtf::ReadRtf(data, doc);
    ASSERT_LE(doc.characterCount(), data.size() + 1) << round;
  }
}
