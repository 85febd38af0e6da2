// Reading RTF as word processors write it; the plain cases are in fixtures/reader.txt.
#include <gtest/gtest.h>

#include "rtf/rtfreader.h"
#include "rtf_test_util.h"

using rtftest::Text;

TEST(RtfReader, TextWithoutRtfHeaderIsPlainText) {
  QTextDocument doc;
  auto r = rtf::ReadRtf("tlhIngan Hol\nQapla'", doc);
  EXPECT_FALSE(r.bRtf);
  EXPECT_EQ(Text(doc), "tlhIngan Hol\nQapla'");
  rtf::ReadRtf("caf\xe9", doc);
  EXPECT_EQ(Text(doc), QString::fromUtf16(u"caf\u00e9"));
  rtf::ReadRtf("caf\xc3\xa9 {\\b x}", doc);
  EXPECT_EQ(Text(doc), QString::fromUtf16(u"caf\u00e9 {\\b x}"));
  r = rtf::ReadRtf("\xEF\xBB\xBF \r\n{\\rtf1 {\\b x}}", doc);
  EXPECT_TRUE(r.bRtf);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), "x");
  EXPECT_FALSE(doc.isModified());
  EXPECT_FALSE(doc.isUndoAvailable());
}
