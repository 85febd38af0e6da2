// Writing RTF, and reading back what was written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>

#include "rtf/rtffile.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

using rtftest::Describe;
using rtftest::Read;
using rtftest::Text;

// fixtures/sample.rtf holds every kind of formatting the writer keeps, as the
// writer writes it; sample.expected is the document it must read back as.
TEST(RtfWriter, RoundTripKeepsTextFormattingAndBytes) {
  const auto doc = Read(rtftest::Fixture("sample.rtf"));
  EXPECT_EQ(Describe(*doc), rtftest::Fixture("sample.expected").toStdString());
  EXPECT_EQ(doc->findBlockByNumber(2).charFormat().fontPointSize(), 20);  // the empty paragraph
  doc->setDefaultFont(QFont("Courier New", 10));
  const QByteArray rtf = rtf::WriteRtf(*doc);
  EXPECT_EQ(rtf, rtftest::Fixture("sample.rtf"));

  // Plain 7-bit RTF in one balanced group, in lines of reasonable length.
  EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"));
  for (const char ch : rtf) ASSERT_TRUE(ch == '\r' || ch == '\n' || (ch >= 0x20 && ch < 0x7F)) << int(ch);
  int depth = 0;
  for (qsizetype i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;  // escaped brace or backslash
    else depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
    if (depth == 0) {
      EXPECT_EQ(rtf.mid(i), "}\r\n") << "group closed early at " << i;
      break;
    }
  }
  EXPECT_EQ(depth, 0);
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
  const auto doc = Read(rtftest::Fixture("sample.rtf"));
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
