// The pIqaD command on the view's selection.
#include <QTextDocument>
#include <gtest/gtest.h>

#include "doctestutil.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

QString FaceAt(const CVek99View& view, int pos) {
  QTextCursor cursor(view.document());
  cursor.setPosition(pos + 1);
  return EffectiveFace(cursor.charFormat(), *view.document());
}

bool BoldAt(const CVek99View& view, int pos) {
  QTextCursor cursor(view.document());
  cursor.setPosition(pos + 1);
  return cursor.charFormat().fontWeight() >= QFont::Bold;
}

TEST(PiqadViewTest, SelectionConvertsAndComesBackAndUndoesInOneStep) {
  auto view = MakeView("tlhIngan Hol jIH.");
  Select(*view, 0, 12);
  CAnswers answers;
  view->OnFormatPiqad();
  EXPECT_EQ(view->toPlainText(), "XIFAN HOL jIH.");
  EXPECT_EQ(view->textCursor().selectedText(), "XIFAN HOL");
  EXPECT_TRUE(view->IsPiqadSelection());
  EXPECT_EQ(FaceAt(*view, 0), "KLIPIqaDmey");
  EXPECT_EQ(FaceAt(*view, 10), "Courier New");
  EXPECT_EQ(view->GetPreviousFace(), "Courier New");
  EXPECT_TRUE(view->GetDocument()->IsRtf());
  EXPECT_TRUE(view->GetDocument()->IsModified());

  view->undo();
  EXPECT_EQ(view->toPlainText(), "tlhIngan Hol jIH.");
  EXPECT_EQ(FaceAt(*view, 0), "Courier New");
  view->redo();
  EXPECT_EQ(view->toPlainText(), "XIFAN HOL jIH.");

  Select(*view, 0, 9);
  view->OnFormatPiqad();
  EXPECT_EQ(view->toPlainText(), "tlhIngan Hol jIH.");
  EXPECT_EQ(view->textCursor().selectedText(), "tlhIngan Hol");
  EXPECT_FALSE(view->IsPiqadSelection());
  EXPECT_TRUE(answers.m_texts.isEmpty());
}

TEST(PiqadViewTest, RunsKeepTheirOtherFormatting) {
  auto view = MakeView("Qapla' qep");
  Select(*view, 7, 10);
  view->OnCharBold();
  // ch with only the c bold: the letter goes with the run it starts in.
  view->moveCursor(QTextCursor::End);
  view->textCursor().insertText(" ch", QTextCharFormat());
  Select(*view, 11, 12);
  view->OnCharBold();
  Select(*view, 0, 13);
  view->ConvertSelectionToPiqad();
  EXPECT_EQ(view->toPlainText(), "QAPLA' KEP C");
  EXPECT_FALSE(BoldAt(*view, 0));
  EXPECT_TRUE(BoldAt(*view, 7));
  EXPECT_TRUE(BoldAt(*view, 9));
  EXPECT_TRUE(BoldAt(*view, 11));
}

TEST(PiqadViewTest, WholeDocumentOnlyWhenTheUserSaysYes) {
  auto view = MakeView("loD, Qapla'.");
  {
    CAnswers no({QMessageBox::No});
    view->ConvertSelectionToPiqad();
    EXPECT_EQ(no.m_texts, QStringList{"Convert entire document?"});
  }
  EXPECT_EQ(view->toPlainText(), "loD, Qapla'.");
  EXPECT_FALSE(view->GetDocument()->IsModified());

  view->moveCursor(QTextCursor::Start);
  view->moveCursor(QTextCursor::Right);
  CAnswers yes({QMessageBox::Yes});
  view->ConvertSelectionToPiqad();
  EXPECT_EQ(view->toPlainText(), "LOD, QAPLA'.");
  EXPECT_FALSE(view->textCursor().hasSelection());
  EXPECT_EQ(view->textCursor().position(), 1);
  // Punctuation has no pIqaD glyph and keeps the face it had; the space has one.
  EXPECT_EQ(FaceAt(*view, 3), "Courier New");
  EXPECT_EQ(FaceAt(*view, 4), "KLIPIqaDmey");
  EXPECT_EQ(FaceAt(*view, 11), "Courier New");
  EXPECT_EQ(FaceAt(*view, 10), "KLIPIqaDmey");
}

TEST(PiqadViewTest, LoneCOrGTakesTheNextCharacter) {
  auto view = MakeView("bac, pag.");
  Select(*view, 0, 9);
  view->ConvertSelectionToPiqad();
  EXPECT_EQ(view->toPlainText(), "BAC PAG");
}

TEST(PiqadViewTest, BackToLatinWithoutRememberedFaceIsCourierNew) {
  auto view = MakeView("XIFAN");
  Select(*view, 0, 5);
  view->SetSelectionFace("KLIPIqaDmey");
  view->SetSelectionPointSize(20);
  auto other = MakeView();
  EXPECT_TRUE(view->IsPiqadSelection());
  view->ConvertSelectionToLatin();
  EXPECT_EQ(view->toPlainText(), "tlhIngan");
  EXPECT_EQ(FaceAt(*view, 0), "Courier New");
  EXPECT_EQ(view->GetSelectionFormat().pointSize, 20.0);
  // Converting text that is not pIqaD back does nothing.
  view->ConvertSelectionToLatin();
  EXPECT_EQ(view->toPlainText(), "tlhIngan");
}

}  // namespace
