// Character formatting in the view: the effects, grow and shrink, and keys.
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "doctestutil.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

QTextCharFormat FormatAt(const CVek99View& view, int pos) {
  QTextCursor cursor(view.document());
  cursor.setPosition(pos + 1);
  return cursor.charFormat();
}

// Sets the size of [start, end) directly, as a file would have it.
void SetSize(CVek99View& view, int start, int end, qreal size) {
  QTextCursor cursor(view.document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  QTextCharFormat format;
  format.setFontPointSize(size);
  cursor.mergeCharFormat(format);
}

TEST(ViewTest, GrowAndShrinkStopAtTheirBounds) {
  struct Case {
    qreal from;
    bool bGrow;
    qreal expected;
  };
  for (const Case& c : {Case{71, true, 73}, Case{72, true, 72}, Case{9, false, 7},
                        Case{8, false, 8}, Case{10.5, true, 12.5}}) {
    auto view = MakeView("Qapla' batlh");
    SetSize(*view, 0, 6, c.from);
    view->GetDocument()->SetModifiedFlag(false);
    Select(*view, 0, 6);
    c.bGrow ? view->OnFontLarger() : view->OnFontSmaller();
    EXPECT_DOUBLE_EQ(FormatAt(*view, 0).fontPointSize(), c.expected) << c.from;
    EXPECT_DOUBLE_EQ(FormatAt(*view, 5).fontPointSize(), c.expected) << c.from;
    // Text outside the selection keeps the plain-text size.
    EXPECT_FALSE(FormatAt(*view, 8).hasProperty(QTextFormat::FontPointSize));
    EXPECT_EQ(view->GetDocument()->IsRtf(), c.from != c.expected) << c.from;
  }
}

TEST(ViewTest, SizeChangeOnMixedFacesKeepsEachFace) {
  auto view = MakeView("tlhIngan Hol");
  Select(*view, 0, 8);
  view->SetSelectionFace("Serif");
  Select(*view, 0, 12);
  EXPECT_FALSE(view->GetSelectionFormat().face.has_value());
  view->SetSelectionPointSize(14);
  EXPECT_EQ(EffectiveFace(FormatAt(*view, 0), *view->document()), "Serif");
  EXPECT_EQ(EffectiveFace(FormatAt(*view, 10), *view->document()), "Courier New");
  EXPECT_EQ(view->GetSelectionFormat().pointSize, 14.0);
}

TEST(ViewTest, EffectsToggleOverTheWholeSelection) {
  auto view = MakeView("Qapla' batlh");
  Select(*view, 0, 6);
  view->OnCharBold();
  EXPECT_EQ(view->GetSelectionFormat().bold, true);
  // Part bold: the mixed selection becomes bold all over.
  Select(*view, 0, 12);
  EXPECT_FALSE(view->GetSelectionFormat().bold.has_value());
  view->OnCharBold();
  EXPECT_EQ(view->GetSelectionFormat().bold, true);
  view->OnCharBold();
  EXPECT_EQ(view->GetSelectionFormat().bold, false);
  view->OnCharItalic();
  view->OnCharUnderline();
  EXPECT_EQ(view->GetSelectionFormat().italic, true);
  EXPECT_EQ(view->GetSelectionFormat().underline, true);
  EXPECT_TRUE(view->GetDocument()->IsModified());
  EXPECT_TRUE(view->GetDocument()->IsRtf());
}

TEST(ViewTest, TabInsertsATabAndLeavesItalicAlone) {
  auto view = MakeView("Hol");
  view->show();
  view->moveCursor(QTextCursor::End);
  QTest::keyClick(view.get(), Qt::Key_Tab);
  QTest::keyClicks(view.get(), "x");
  EXPECT_EQ(view->toPlainText(), "Hol\tx");
  EXPECT_FALSE(FormatAt(*view, 4).fontItalic());
  EXPECT_FALSE(view->GetDocument()->IsRtf());
}

TEST(ViewTest, NewDocumentIsPlainCourierNewTenAndAHalf) {
  auto view = MakeView();
  const CSelFormat format = view->GetSelectionFormat();
  EXPECT_EQ(format.face, "Courier New");
  EXPECT_EQ(format.pointSize, 10.5);
  EXPECT_FALSE(view->GetDocument()->IsRtf());
  EXPECT_FALSE(view->GetDocument()->IsModified());
}

TEST(ViewTest, PlainDocumentsTakePastedTextWithoutFormatting) {
  auto view = MakeView("Hol");
  auto* rich = new QMimeData;
  rich->setHtml("<b>Qapla'</b>");
  rich->setText("Qapla'");
  QGuiApplication::clipboard()->setMimeData(rich);
  view->moveCursor(QTextCursor::End);
  view->paste();
  EXPECT_EQ(view->toPlainText(), "HolQapla'");
  EXPECT_FALSE(FormatAt(*view, 4).fontWeight() >= QFont::Bold);
  EXPECT_FALSE(view->GetDocument()->IsRtf());
}

}  // namespace
