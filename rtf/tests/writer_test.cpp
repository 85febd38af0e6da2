// Writing RTF, and reading back what was written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>

#include "rtf/rtffile.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

using rtftest::Describe;
using rtftest::Read;
using rtftest::Text;

namespace {

QTextCharFormat Face(const QString& family, qreal points) {
  QTextCharFormat f;
  f.setFontFamilies({family});
  f.setFontPointSize(points);
  return f;
}

// A document with every kind of formatting the writer keeps.
std::unique_ptr<QTextDocument> Sample() {
  auto doc = std::make_unique<QTextDocument>();
  doc->setDefaultFont(QFont("Courier New", 10));
  QTextCursor c(doc.get());
  QTextCharFormat f = Face("Courier New", 10.5);
  c.insertText("tlhIngan Hol ", f);
  f.setFontWeight(QFont::Bold);
  c.insertText("Qapla'", f);
  f.setFontItalic(true);
  c.insertText(" bold italic", f);
  f = Face("Arial", 14);
  f.setFontUnderline(true);
  f.setForeground(QColor(200, 0, 0));
  c.insertText(QString::fromUtf16(u" jIyajbe\u2019 "), f);
  f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
  f.setFontStrikeOut(true);
  f.setBackground(QColor(255, 255, 0));
  c.insertText("wavy struck", f);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  c.insertBlock(centred, Face("KLIPIqaDmey", 12));
  c.insertText("XIFAN MAH", Face("KLIPIqaDmey", 12));
  c.insertText(QString::fromUtf16(u" \u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c \U0001F600 caf\u00e9 \u20ac"), Face("Times New Roman", 12));
  c.insertBlock(QTextBlockFormat(), Face("Arial", 20));  // an empty paragraph
  c.insertBlock(QTextBlockFormat(), Face("Arial", 9));
  QTextCharFormat sup = Face("Arial", 9);
  c.insertText("a{b}c\\d\te", sup);
  c.insertText(QString::fromUtf16(u"\u2028line two\u00a0nbsp\u00adsoft\u2011hard "), sup);
  sup.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
  c.insertText("2", sup);
  sup.setVerticalAlignment(QTextCharFormat::AlignSubScript);
  c.insertText("n", sup);
  QTextBlockFormat right;
  right.setAlignment(Qt::AlignRight);
  c.insertBlock(right, Face("Arial", 12));
  c.insertText("right; 1 2 3", Face("Arial", 12));
  return doc;
}

}  // namespace

TEST(RtfWriter, RoundTripKeepsTextAndFormatting) {
  const auto doc = Sample();
  const QByteArray rtf = rtf::WriteRtf(*doc);
  const auto back = Read(rtf);
  EXPECT_EQ(Text(*back), Text(*doc));
  EXPECT_EQ(Describe(*back), Describe(*doc));
  EXPECT_EQ(back->findBlockByNumber(2).charFormat().fontPointSize(), 20);
  // Writing what was read gives the same bytes again.
  back->setDefaultFont(doc->defaultFont());
  EXPECT_EQ(rtf::WriteRtf(*back), rtf);

}

TEST(RtfWriter, OutputIsPlainStandardRtf) {
  const QByteArray rtf = rtf::WriteRtf(*Sample());
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
  for (const char ch : rtf) ASSERT_TRUE(ch == '\r' || ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << int(ch);
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;  // escaped brace or backslash
      continue;
    }
    depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
    ASSERT_GE(depth, 0);
    if (depth == 0) {
      EXPECT_EQ(rtf.mid(i), "}\r\n") << "group closed early at " << i;
      break;
    }
  }
  EXPECT_EQ(depth, 0);
  // Curly apostrophes carry a Windows-1252 fallback; other characters a question mark.
  EXPECT_TRUE(rtf.contains("jIyajbe\\u8217\\'92"));
  EXPECT_TRUE(rtf.contains("\\u1055?"));
  EXPECT_TRUE(rtf.contains("\\u-10179?\\u-8704?"));
  EXPECT_TRUE(rtf.contains("a\\{b\\}c\\\\d\\tab e"));
  EXPECT_TRUE(rtf.contains("{\\f2\\fnil\\fcharset0 KLIPIqaDmey;}"));
  for (const QByteArray& line : rtf.split('\n')) EXPECT_LT(line.size(), 260);
}

TEST(RtfWriter, UnsetFontTakesTheDocumentDefault) {
  QTextDocument doc;
  doc.setDefaultFont(QFont("Courier New", 11));
  doc.setPlainText("Qapla'");
  QTextDocument back;
  back.setDefaultFont(QFont("Arial", 9));
  rtf::ReadRtf(rtf::WriteRtf(doc), back);
  EXPECT_EQ(Describe(back), "[Courier New 11]\"Qapla'\"\n");
  EXPECT_EQ(back.defaultFont(), QFont("Arial", 9));  // reading leaves the view's default alone
  QTextDocument empty;
  EXPECT_EQ(Text(*Read(rtf::WriteRtf(empty))), "");
}

TEST(RtfWriter, FilesAreSavedWhole) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("doc.rtf");
  const auto doc = Sample();
  QString error;
  ASSERT_TRUE(rtf::SaveRtfFile(path, *doc, &error)) << error.toStdString();
  QTextDocument back;
  rtf::ReadResult result;
  ASSERT_TRUE(rtf::LoadRtfFile(path, back, &error, &result));
  EXPECT_TRUE(result.bRtf);
  EXPECT_FALSE(result.bDamaged);
  EXPECT_EQ(Describe(back), Describe(*doc));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"doc.rtf"});  // no temporary left behind
  EXPECT_FALSE(rtf::SaveRtfFile(dir.filePath("missing/doc.rtf"), *doc, &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_FALSE(rtf::LoadRtfFile(dir.filePath("none.rtf"), back, &error));
}
