// Files written by another word processor (fixtures/*.rtf, made from the .html beside them).
#include <gtest/gtest.h>

#include <QTextBlock>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

using rtftest::FormatOf;
using rtftest::Text;

namespace {

QString Family(const QTextCharFormat& f) { return f.fontFamilies().toStringList().value(0); }

Qt::Alignment AlignmentOf(const QTextDocument& doc, int block) {
  return doc.findBlockByNumber(block).blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

}  // namespace

TEST(RtfFixtures, KlingonTextWithFormatting) {
  QTextDocument doc;
  const auto r = rtf::ReadRtf(rtftest::Fixture("klingon.rtf"), doc);
  EXPECT_TRUE(r.bRtf);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), QString::fromUtf16(
                           u"tlhIngan Hol vIjatlh. Qapla'! nuqneH?\n"
                           u"jIyajbe' ghobe' Heghlu'meH QaQ jajvam bIjeghbe'chugh vaj bIHegh\n"
                           u"Courier text at ten and a half points and big sans.\n"
                           u"Curly: Qapla\u2019 and \u2018quoted\u2019 and \u201cdouble\u201d \u2014 dash \u2013 en dash; "
                           u"caf\u00e9; \u041f\u0440\u0438\u0432\u0435\u0442; \u65e5\u672c\n"
                           u"First line\u2028second line after a break\n"
                           u"Centred: bold italic bold underlined\n"
                           u"Tab:\tafter tab. The end."));
  const QTextCharFormat plain = FormatOf(doc, "vIjatlh");
  EXPECT_EQ(Family(plain), "Liberation Serif");
  EXPECT_EQ(plain.fontPointSize(), 12);
  EXPECT_NE(plain.fontWeight(), QFont::Bold);
  EXPECT_FALSE(plain.fontItalic());
  EXPECT_EQ(FormatOf(doc, "tlhIngan Hol").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(doc, "Qapla'!").fontItalic());
  EXPECT_TRUE(FormatOf(doc, "jIyajbe'").fontUnderline());
  EXPECT_FALSE(FormatOf(doc, "jIyajbe'").fontStrikeOut());
  EXPECT_TRUE(FormatOf(doc, "ghobe'").fontStrikeOut());
  EXPECT_EQ(FormatOf(doc, "Heghlu'meH").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatOf(doc, "bIjeghbe'chugh").foreground().color(), QColor(0, 0, 255));
  EXPECT_EQ(FormatOf(doc, "nuqneH").foreground().color(), QColor(0, 0, 0));
  const QTextCharFormat mono = FormatOf(doc, "Courier text");
  EXPECT_EQ(Family(mono), "Liberation Mono");
  EXPECT_EQ(mono.fontPointSize(), 10.5);
  EXPECT_EQ(Family(FormatOf(doc, "big sans")), "Liberation Sans");
  EXPECT_EQ(FormatOf(doc, "big sans").fontPointSize(), 18);
  EXPECT_EQ(AlignmentOf(doc, 5), Qt::AlignHCenter);
  EXPECT_EQ(AlignmentOf(doc, 4), Qt::AlignLeft);
  const QTextCharFormat bi = FormatOf(doc, "bold italic");
  EXPECT_TRUE(bi.fontWeight() == QFont::Bold && bi.fontItalic() && !bi.fontUnderline());
  const QTextCharFormat bu = FormatOf(doc, "bold underlined");
  EXPECT_TRUE(bu.fontWeight() == QFont::Bold && !bu.fontItalic() && bu.fontUnderline());
}

TEST(RtfFixtures, PiqadFontHighlightAndAlignment) {
  QTextDocument doc;
  const auto r = rtf::ReadRtf(rtftest::Fixture("piqad.rtf"), doc);
  EXPECT_FALSE(r.bDamaged);
  EXPECT_EQ(Text(doc), QString::fromUtf16(
                           u"Heghlu'meH QaQ jajvam\n"
                           u"Latin: tlhIngan maH! XIFAN MAH, Qapla'.\n"
                           u"Right aligned: H2O and x2, highlighted and green bold.\n"
                           u"Braces {like this} and back\\slash and 100% & more.\n"
                           u"vaj wa' DIvI' Hol jatlhlaH Hoch. It's a nice day \u2014 isn't it?"));
  const QTextCharFormat heading = FormatOf(doc, "Heghlu'meH");
  EXPECT_EQ(heading.fontPointSize(), 24);
  EXPECT_EQ(heading.fontWeight(), QFont::Bold);
  const QTextCharFormat piqad = FormatOf(doc, "XIFAN");
  EXPECT_EQ(Family(piqad), "KLIPIqaDmey");
  EXPECT_EQ(piqad.fontPointSize(), 14);
  EXPECT_EQ(Family(FormatOf(doc, "Latin")), "Liberation Sans");
  EXPECT_EQ(FormatOf(doc, "Latin").fontPointSize(), 11);
  EXPECT_EQ(FormatOf(doc, "2O").verticalAlignment(), QTextCharFormat::AlignSubScript);
  EXPECT_EQ(FormatOf(doc, "2,").verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_EQ(FormatOf(doc, "O and").verticalAlignment(), QTextCharFormat::AlignNormal);
  EXPECT_EQ(FormatOf(doc, "highlighted").background().color(), QColor(255, 255, 0));
  EXPECT_EQ(FormatOf(doc, "green bold").foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(FormatOf(doc, "green bold").fontWeight(), QFont::Bold);
  EXPECT_EQ(AlignmentOf(doc, 2), Qt::AlignRight);
  EXPECT_EQ(AlignmentOf(doc, 4), Qt::AlignJustify);
}

TEST(RtfFixtures, SurviveOurOwnRoundTrip) {
  for (const char* name : {"klingon.rtf", "piqad.rtf"}) {
    QTextDocument doc;
    rtf::ReadRtf(rtftest::Fixture(name), doc);
    QTextDocument back;
    rtf::ReadRtf(rtf::WriteRtf(doc), back);
    EXPECT_EQ(rtftest::Describe(back), rtftest::Describe(doc)) << name;
  }
}
