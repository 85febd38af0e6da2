// Character formatting in the view: the effects, grow and shrink, and pasting.

#include "doctestutil.h"

namespace {

TEST(ViewTest, GrowAndShrinkStopAtTheirBounds) {
  struct Case {
    qreal from;
    bool bGrow;
    qreal expected;
  };
  for (const Case& c : {Case{71, true, 73}, Case{72, true, 72}, Case{9, false, 7},
                        Case{8, false, 8}, Case{10.5, true, 12.5}}) {
    auto view = MakeView("Qapla' batlh");
    // The size set directly, as a file would have it.
    QTextCharFormat size;
    size.setFontPointSize(c.from);
    Select(*view, 0, 6);
    view->textCursor().mergeCharFormat(size);
    view->GetDocument()->SetModifiedFlag(false);
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
  EXPECT_EQ(FaceAt(*view, 0), "Serif");
  EXPECT_EQ(FaceAt(*view, 10), "Courier New");
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

namespace {

TEST(ViewTest, ApostropheIsALetterForDoubleClickAndWordKeys) {
  auto view = MakeView("nuqneH Dajatlh'a' jIH.\nQapla'");
  view->resize(500, 200);
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
  for (int pos : {9, 15, 16}) {  // inside, on an apostrophe, on the last one
    QTextCursor at(view->document());
    at.setPosition(pos);
    const QPoint point = view->cursorRect(at).center() + QPoint(2, 0);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
    EXPECT_EQ(view->textCursor().selectedText(), "Dajatlh'a'") << pos;
  }

  struct Key {
    Qt::KeyboardModifiers modifiers;
    Qt::Key key;
    int from;
    int expected;  // position after the key
    int anchor;    // where the selection starts, or -1 for none
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
  const Qt::KeyboardModifiers shift = Qt::ControlModifier | Qt::ShiftModifier;
  for (const Key& k : {Key{ctrl, Qt::Key_Right, 0, 7, -1}, Key{ctrl, Qt::Key_Right, 7, 18, -1},
                       Key{ctrl, Qt::Key_Right, 18, 21, -1}, Key{ctrl, Qt::Key_Right, 22, 23, -1},
                       Key{ctrl, Qt::Key_Left, 18, 7, -1}, Key{ctrl, Qt::Key_Left, 12, 7, -1},
                       Key{ctrl, Qt::Key_Left, 29, 23, -1}, Key{ctrl, Qt::Key_Left, 23, 21, -1},
                       Key{shift, Qt::Key_Right, 7, 18, 7}, Key{shift, Qt::Key_Left, 17, 7, 17}}) {
    QTextCursor at(view->document());
    at.setPosition(k.from);
    view->setTextCursor(at);
    QTest::keyClick(view.get(), k.key, k.modifiers);
    EXPECT_EQ(view->textCursor().position(), k.expected) << k.from << " " << k.key;
    EXPECT_EQ(view->textCursor().anchor(), k.anchor < 0 ? k.expected : k.anchor) << k.from;
  }
  EXPECT_EQ(view->toPlainText(), "nuqneH Dajatlh'a' jIH.\nQapla'");
}

}  // namespace
