// Reading RTF as word processors write it.
#include <gtest/gtest.h>

#include <QTextBlock>

#include "rtf/rtfreader.h"
#include "rtf_test_util.h"

using rtftest::Describe;
using rtftest::FormatOf;
using rtftest::Read;
using rtftest::Text;

TEST(RtfReader, CharacterFormattingAndTables) {
  const QByteArray rtf =
      "{\\rtf1\\ansi\\deff1\n"
      "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial{\\*\\falt Helvetica};}}\n"
      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
      "\\pard\\plain\\fs20 plain {\\b bold {\\i bold italic}} {\\ul under\\ulnone  over}{\\strike gone} "
      "{\\cf1 red} {\\cf2\\f0\\fs36 blue times} \\b on\\b0  off\\par\n"
      "\\i\\ul\\cf1 kept \\plain reset\\par\n}";
  const auto doc = Read(rtf);
  EXPECT_EQ(Describe(*doc),
            "[Arial 10]\"plain \"[Arial 10 b]\"bold \"[Arial 10 b i]\"bold italic\"[Arial 10]\" \"[Arial 10 u1]\"under\""
            "[Arial 10]\" over\"[Arial 10 s]\"gone\"[Arial 10]\" \"[Arial 10 #ff0000]\"red\"[Arial 10]\" \""
            "[Times New Roman 18 #0000ff]\"blue times\"[Arial 10]\" \"[Arial 10 b]\"on\"[Arial 10]\" off\"\n"
            "[Arial 10 i u1 #ff0000]\"kept \"[Arial 12]\"reset\"\n");
}

TEST(RtfReader, UnderlineKindsSuperscriptAndHighlight) {
  const auto doc = Read(
      "{\\rtf1{\\colortbl;\\red255\\green255\\blue0;}"
      "{\\uld dots}{\\ulwave wave}{\\uldb double}{\\ul0 none}{\\super up}{\\sub down}{\\up6 raised}{\\highlight1 marked}}");
  // u3 dotted, u6 wave, u1 single (double underlines become single)
  EXPECT_EQ(Describe(*doc), "[ 12 u3]\"dots\"[ 12 u6]\"wave\"[ 12 u1]\"double\"[ 12]\"none\"[ 12 sup]\"up\""
                            "[ 12 sub]\"down\"[ 12 sup]\"raised\"[ 12 bg#ffff00]\"marked\"\n");
}

TEST(RtfReader, ParagraphsBreaksAndSpecialCharacters) {
  const auto doc = Read(
      "{\\rtf1\\ansi one\\line two\\tab three\\par\n"
      "\\qc centred\\par\\pard left\\par\\par\n"
      "Qapla\\rquote  \\lquote x\\rquote  \\ldblquote y\\rdblquote  a\\emdash b\\endash c\\bullet d\\~e\\_f \\{g\\} h\\\\i\n"
      "a\\\nb}");
  EXPECT_EQ(Text(*doc), QString::fromUtf16(u"one\u2028two\tthree\ncentred\nleft\n\n"
                                           u"Qapla\u2019 \u2018x\u2019 \u201cy\u201d a\u2014b\u2013c\u2022d\u00a0e\u2011f {g} h\\ia\nb"));
  EXPECT_EQ(doc->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_EQ(doc->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST(RtfReader, LastParagraphMarkAddsNoEmptyParagraph) {
  EXPECT_EQ(Text(*Read("{\\rtf1 A\\par B\\par }")), "A\nB");
  EXPECT_EQ(Text(*Read("{\\rtf1 A\\par B}")), "A\nB");
  EXPECT_EQ(Text(*Read("{\\rtf1 A\\par\\par}")), "A\n");
  EXPECT_EQ(Text(*Read("{\\rtf1 \\par}")), "");
  EXPECT_EQ(Text(*Read("{\\rtf1 \\qr A}")), "A");
  EXPECT_EQ(Read("{\\rtf1 \\qr A}")->begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  // An empty paragraph keeps the size of its mark, so a blank line keeps its height.
  const auto doc = Read("{\\rtf1 A\\par\\fs40\\par B}");
  EXPECT_EQ(doc->findBlockByNumber(1).charFormat().fontPointSize(), 20);
}

TEST(RtfReader, UnicodeAndFallbacks) {
  const auto doc = Read(
      "{\\rtf1\\ansi\\uc1 Qapla\\u8217\\'92 \\u1055?\\u1088 ?x{\\uc2 \\u26085\\'93\\'fa!}"
      "\\u-10179?\\u-8704?{\\uc0 \\u233 e}{\\u233}x\\u8217\\rquote y\\u-4?\\u127?\\u7?z}");
  EXPECT_EQ(Text(*doc), QString::fromUtf16(u"Qapla\u2019 \u041f\u0440x\u65e5!\U0001F600\u00e9e\u00e9x\u2019yz"));
}

TEST(RtfReader, CodePages) {
  EXPECT_EQ(Text(*Read("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}")), QString::fromUtf16(u"\u041f\u0440\u0438\u0432\u0435\u0442"));
  EXPECT_EQ(Text(*Read("{\\rtf1\\ansi Qapla\\'92 caf\\'e9 \\'80 \\'93x\\'94}")), QString::fromUtf16(u"Qapla\u2019 caf\u00e9 \u20ac \u201cx\u201d"));
  EXPECT_EQ(Text(*Read("{\\rtf1\\ansi caf\xe9}")), QString::fromUtf16(u"caf\u00e9"));  // raw 8-bit text
  EXPECT_EQ(Text(*Read("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96\\'7b}")), QString::fromUtf16(u"\u65e5\u672c"));
  EXPECT_EQ(Text(*Read("{\\rtf1\\mac \\'8e}")), QString::fromUtf16(u"\u00e9"));
  // A font's character set decides over the document's code page.
  const auto doc = Read(
      "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 \\'c0\\'f0\\'e8\\'e0\\'eb;}}"
      "\\f1\\'e4\\'e0 \\f0\\'e4}");
  EXPECT_EQ(Text(*doc), QString::fromUtf16(u"\u0434\u0430 \u00e4"));
  EXPECT_EQ(FormatOf(*doc, QString::fromUtf16(u"\u0434")).fontFamilies().toStringList().value(0),
            QString::fromUtf16(u"\u0410\u0440\u0438\u0430\u043b"));
}

TEST(RtfReader, FontTableWithoutGroupsAndBackslashLineEnds) {
  // The shape some editors write: entries straight in the table, paragraphs as "\" at line ends.
  const auto doc = Read(
      "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2580\n"
      "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fmodern\\fcharset0 Courier;}\n"
      "{\\colortbl;\\red255\\green255\\blue255;}\n{\\*\\expandedcolortbl;;}\n"
      "\\pard\\tx566\\pardirnatural\\partightenfactor0\n\n"
      "\\f0\\fs24 \\cf0 tlhIngan maH\\\nQapla\\uc0\\u8217 !\\\n\\f1 qaStaH}");
  EXPECT_EQ(Text(*doc), QString::fromUtf16(u"tlhIngan maH\nQapla\u2019!\nqaStaH"));
  EXPECT_EQ(FormatOf(*doc, "tlhIngan").fontFamilies().toStringList().value(0), "Helvetica");
  EXPECT_EQ(FormatOf(*doc, "qaStaH").fontFamilies().toStringList().value(0), "Courier");
}

TEST(RtfReader, NonTextPartsAreLeftOut) {
  const auto doc = Read(
      "{\\rtf1\\ansi{\\info{\\title secret}{\\author me}}{\\*\\generator Gen;}{\\stylesheet{\\s0 Normal;}}"
      "{\\header head}{\\footer foot}before{\\pict\\pngblip\\picw10 89504e470d0a}"
      "{\\pict\\wmetafile8\\bin5 }}}{\\}after"
      "{\\object\\objemb{\\*\\objclass Word.Document}{\\*\\objdata 0105}{\\result {\\rtf1 shown?}}}"
      "{\\*\\shppict{\\pict\\emfblip 00}}{\\nonshppict{\\pict\\wmetafile8 00}}"
      " {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}"
      " \\foo123 \\bar-5 \\qwertyuiopasdfghjklzxcvbnmqwertyuiopasdfghjkl text{\\*\\unknowndest invisible}"
      "{\\unknowndest visible}{\\v hidden}x{\\footnote\\pard note}y"
      "{\\upr{ansi}{\\*\\ud{unicode}}}"
      "\\par\\trowd a\\cell b\\cell\\row c{\\listtext\\pard\\plain \\'95\\tab}item}");
  EXPECT_EQ(Text(*doc), QString::fromUtf16(u"beforeafter link textvisiblexyunicode\na\tb\nc\u2022\titem"));
}

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
