// Damaged and hostile RTF opens as far as it can be read.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTextCursor>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

using rtftest::Text;

namespace {

rtf::ReadResult ReadInto(const QByteArray& data, QTextDocument& doc) { return rtf::ReadRtf(data, doc); }

}  // namespace

TEST(RtfDamaged, UnbalancedBraces) {
  QTextDocument doc;
  auto r = ReadInto("{\\rtf1 one {\\b two {\\i three", doc);
  EXPECT_TRUE(r.bDamaged);
  EXPECT_EQ(Text(doc), "one two three");
  // The document ends where its group closes; what follows is not read.
  r = ReadInto("{\\rtf1 one}} two}", doc);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), "one");
  r = ReadInto("{\\rtf1 {\\fonttbl{\\f0 Arial;}", doc);
  EXPECT_TRUE(r.bDamaged);
  EXPECT_EQ(Text(doc), "");
}

TEST(RtfDamaged, DeepNesting) {
  const int depth = 100000;
  QByteArray deep = "{\\rtf1 start";
  deep += QByteArray(depth, '{') + "inner\\b" + QByteArray(depth, '}');
  deep += " end}";
  QTextDocument doc;
  auto r = ReadInto(deep, doc);
  EXPECT_TRUE(r.bDamaged);
  // Text beyond the depth limit is dropped; the braces still pair up, so the rest reads normally.
  EXPECT_EQ(Text(doc), "start end");
  EXPECT_NE(rtftest::FormatOf(doc, "end").fontWeight(), QFont::Bold);

  // Never closed, and deep destinations that switch tables on and off.
  QByteArray open = "{\\rtf1 x";
  for (int i = 0; i < depth; ++i) open += "{\\*\\fonttbl\\f1 ";
  r = ReadInto(open, doc);
  EXPECT_TRUE(r.bDamaged);
  EXPECT_EQ(Text(doc), "x");

  // Nesting that stays just inside the limit is followed in full.
  QByteArray ok = "{\\rtf1 " + QByteArray(900, '{') + "\\b bold" + QByteArray(900, '}') + " plain}";
  r = ReadInto(ok, doc);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), "bold plain");
  EXPECT_EQ(rtftest::FormatOf(doc, "bold").fontWeight(), QFont::Bold);
}

TEST(RtfDamaged, HugeNumbers) {
  QTextDocument doc;
  ReadInto("{\\rtf1{\\colortbl;\\red99999999999999999999\\green-7\\blue3;}"
           "\\fs99999999999999999999999999 a\\fs-40 b\\cf99999999999 c\\cf-3 d\\f-2147483648 e"
           "\\u99999999999?f\\u-99999?g\\uc2147483647 \\u65? h}",
           doc);
  EXPECT_EQ(Text(doc), QString::fromUtf16(u"abcde\ufffdf\ufffdgA"));  // the huge \uc skips to the group end
  EXPECT_EQ(rtftest::FormatOf(doc, "a").fontPointSize(), 1638);
  EXPECT_EQ(rtftest::FormatOf(doc, "b").fontPointSize(), 12);
  EXPECT_FALSE(rtftest::FormatOf(doc, "c").hasProperty(QTextFormat::ForegroundBrush));

  // \bin with a length beyond the data ends the read instead of running off the end.
  auto r = ReadInto("{\\rtf1 before{\\pict\\bin99999999999 abc}}", doc);
  EXPECT_TRUE(r.bDamaged);
  EXPECT_EQ(Text(doc), "before");
  ReadInto("{\\rtf1 a\\bin-5 b}", doc);
  EXPECT_EQ(Text(doc), "ab");

  // Endless parameters and control words are consumed without growing anything.
  ReadInto("{\\rtf1 \\fs" + QByteArray(200000, '9') + " x\\" + QByteArray(200000, 'a') + " y}", doc);
  EXPECT_EQ(Text(doc), "xy");
}

TEST(RtfDamaged, TablesFloodedWithEntries) {
  QByteArray fonts = "{\\rtf1{\\fonttbl";
  for (int i = 0; i < 50000; ++i) fonts += "{\\f" + QByteArray::number(i) + " Font" + QByteArray::number(i) + ";}";
  fonts += "}{\\colortbl;";
  for (int i = 0; i < 50000; ++i) fonts += "\\red1;";
  fonts += "}\\f20 twenty\\f40000 big\\cf20000 x}";
  QTextDocument doc;
  EXPECT_FALSE(ReadInto(fonts, doc).bDamaged);
  EXPECT_EQ(Text(doc), "twentybigx");
  EXPECT_EQ(rtftest::FormatOf(doc, "twenty").fontFamilies().toStringList().value(0), "Font20");
  EXPECT_FALSE(rtftest::FormatOf(doc, "x").hasProperty(QTextFormat::ForegroundBrush));  // beyond the kept entries
}

TEST(RtfDamaged, EveryTruncationReadsAPrefix) {
  QTextDocument src;
  src.setDefaultFont(QFont("Arial", 12));
  QTextCursor c(&src);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  c.insertText(QString::fromUtf16(u"tlhIngan Hol {x} Qapla\u2019 "));
  c.insertText(QString::fromUtf16(u"\u041f\u0440\u0438 bold\ttab"), bold);
  c.insertBlock();
  c.insertText(QString::fromUtf16(u"two\u2028three \U0001F600 end"));
  const QByteArray rtf = rtf::WriteRtf(src);
  const QString full = Text(src);
  for (qsizetype n = 5; n < rtf.size() - 3; ++n) {  // from the end of "{\rtf" to before the last brace
    QTextDocument doc;
    const auto r = ReadInto(rtf.left(n), doc);
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
    for (int i = 0; i < len; ++i) {
      if (rng.bounded(4) == 0)
        data += words[rng.bounded(int(std::size(words)))];
      else
        data += alphabet[rng.bounded(int(sizeof alphabet - 1))];
    }
    QTextDocument doc;
    ReadInto(data, doc);
    ASSERT_LE(doc.characterCount(), data.size() + 1) << round;
  }
}
