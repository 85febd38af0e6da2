// The pIqaD command on the view's selection.

#include "doctestutil.h"

namespace {

TEST(PiqadViewTest, SelectionConvertsAndComesBackAndUndoesInOneStep) {
  auto view = MakeView("tlhIngan Hol jIH.");
  Select(*view, 0, 12);
  CMessageLog answers;
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
  EXPECT_TRUE(answers.Texts().isEmpty());
}

TEST(PiqadViewTest, RunsKeepTheirOtherFormattingAndLoneCOrGTakesTheNext) {
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
  for (int pos : {0, 7, 9, 11})
    EXPECT_EQ(FormatAt(*view, pos).fontWeight() >= QFont::Bold, pos != 0) << pos;

  view = MakeView("bac, pag.");
  Select(*view, 0, 9);
  view->ConvertSelectionToPiqad();
  EXPECT_EQ(view->toPlainText(), "BAC PAG");
}

TEST(PiqadViewTest, WholeDocumentOnlyWhenTheUserSaysYes) {
  auto view = MakeView("loD, Qapla'.");
  {
    CMessageLog no({QMessageBox::No});
    view->ConvertSelectionToPiqad();
    EXPECT_EQ(no.Texts(), QStringList{"Convert entire document?"});
  }
  EXPECT_EQ(view->toPlainText(), "loD, Qapla'.");
  EXPECT_FALSE(view->GetDocument()->IsModified());

  view->moveCursor(QTextCursor::Start);
  view->moveCursor(QTextCursor::Right);
  CMessageLog yes({QMessageBox::Yes});
  view->ConvertSelectionToPiqad();
  EXPECT_EQ(view->toPlainText(), "LOD, QAPLA'.");
  EXPECT_FALSE(view->textCursor().hasSelection());
  EXPECT_EQ(view->textCursor().position(), 1);
  // Punctuation has no pIqaD glyph and keeps the face it had; the space has one.
  for (int pos : {3, 4, 10, 11})
    EXPECT_EQ(FaceAt(*view, pos), pos == 3 || pos == 11 ? "Courier New" : "KLIPIqaDmey") << pos;
}

TEST(PiqadViewTest, BackToLatinWithoutRememberedFaceIsCourierNew) {
  auto view = MakeView("XIFAN");
  Select(*view, 0, 5);
  view->SetSelectionFace("KLIPIqaDmey");
  view->SetSelectionPointSize(20);
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

namespace {

// Text and face of every character, to compare a document before and after.
std::string TextAndFaces(const CVek99View& view) {
  QStringList out;
  const QString text = view.toPlainText();
  for (int i = 0; i < text.size(); ++i) out << QString(text[i]) + ' ' + FaceAt(view, i);
  return out.join(" | ").toStdString();
}

TEST(PiqadViewTest, ToggleRoundTripsFormattedTextAndUndoRestoresTheFaces) {
  // Two lines, sized through the font box, then F2 again and again.
  auto view = MakeView("tlhIngan Hol vIjatlh.\nQapla' batlh, jIH!");
  view->selectAll();
  view->SetSelectionPointSize(16);
  Select(*view, 0, 8);
  view->SetSelectionFace("DejaVu Serif");
  const std::string latin = TextAndFaces(*view);
  for (int press = 1; press <= 4; ++press) {
    view->selectAll();
    view->OnFormatPiqad();
    if (press % 2) {
      EXPECT_EQ(view->toPlainText(), "XIFAN HOL VIJAX.\nQAPLA' BAX, JIH!") << press;
      EXPECT_TRUE(view->IsPiqadSelection()) << press;
      EXPECT_EQ(FaceAt(*view, 15), "Courier New") << "the full stop keeps its face";
    } else {
      EXPECT_EQ(TextAndFaces(*view), latin) << press;
      EXPECT_FALSE(view->IsPiqadSelection()) << press;
    }
    EXPECT_EQ(view->GetSelectionFormat().pointSize, 16.0) << press;
  }
  // Each conversion is one undo step that gives the faces back.
  view->selectAll();
  view->OnFormatPiqad();
  view->undo();
  EXPECT_EQ(TextAndFaces(*view), latin);

  // Part pIqaD, part Latin: F2 converts the Latin part and leaves the rest.
  view->selectAll();
  view->OnFormatPiqad();
  Select(*view, 0, 5);  // XIFAN
  view->OnFormatPiqad();
  EXPECT_TRUE(view->toPlainText().startsWith("tlhIngan HOL"));
  view->selectAll();
  EXPECT_FALSE(view->IsPiqadSelection());
  view->OnFormatPiqad();
  EXPECT_EQ(view->toPlainText(), "XIFAN HOL VIJAX.\nQAPLA' BAX, JIH!");
  view->OnFormatPiqad();
  EXPECT_EQ(TextAndFaces(*view), latin);
}

}  // namespace
