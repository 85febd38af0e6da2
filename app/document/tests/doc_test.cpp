// Opening and saving: the RTF flag, the loss-of-formatting question and the file kinds.
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "doctestutil.h"
#include "printing.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

constexpr char kQuestion[] =
    "This document contains formatting information that will be lost.  Continue?";

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class DocTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_dir.isValid());
    SetSaveAsHook([this](const CSaveAsRequest& request) {
      m_requests.push_back(request);
      return m_strSaveAsAnswer;
    });
  }
  void TearDown() override { SetSaveAsHook({}); }
  QString Path(const char* name) const { return m_dir.filePath(name); }

  // A .txt document saved once, then one word made bold.
  std::unique_ptr<CVek99View> FormattedTextDocument() {
    auto view = MakeView("nuqneH Qapla'");
    EXPECT_TRUE(view->GetDocument()->OnSaveDocument(Path("a.txt")));
    view->GetDocument()->SetPathName(Path("a.txt"));
    view->GetDocument()->SetModifiedFlag(false);
    EXPECT_FALSE(view->GetDocument()->IsRtf());
    Select(*view, 0, 6);
    view->OnCharBold();
    return view;
  }

  QTemporaryDir m_dir;
  std::vector<CSaveAsRequest> m_requests;
  QString m_strSaveAsAnswer;
};

TEST_F(DocTest, FormattingSetsTheFlagAndSaveAsksBeforeLosingIt) {
  auto view = FormattedTextDocument();
  CVek99Doc* doc = view->GetDocument();
  EXPECT_TRUE(doc->IsRtf());
  EXPECT_TRUE(doc->IsModified());

  // No: Save As with the text type first; cancelling it writes nothing.
  {
    CAnswers answers({QMessageBox::No});
    EXPECT_FALSE(view->OnFileSave());
    EXPECT_EQ(answers.m_texts, QStringList{kQuestion});
  }
  ASSERT_EQ(m_requests.size(), 1u);
  EXPECT_EQ(m_requests[0].filters,
            (QStringList{"Text Files (*.txt)", "RTF Files (*.rtf)", "All Files (*)"}));
  EXPECT_EQ(m_requests[0].strDefaultExt, "txt");
  EXPECT_EQ(Read(Path("a.txt")), "nuqneH Qapla'");
  EXPECT_TRUE(doc->IsModified());

  // Yes: plain text is written and the flag follows the name.
  view->moveCursor(QTextCursor::End);
  view->textCursor().insertText("!");
  {
    CAnswers answers({QMessageBox::Yes});
    EXPECT_TRUE(view->OnFileSave());
    EXPECT_EQ(answers.m_texts, QStringList{kQuestion});
  }
  EXPECT_EQ(Read(Path("a.txt")), "nuqneH Qapla'!");
  EXPECT_FALSE(doc->IsRtf());
  EXPECT_FALSE(doc->IsModified());
}

TEST_F(DocTest, SaveAsUnderRtfKeepsTheFormattingAndTakesTheName) {
  auto view = FormattedTextDocument();
  CVek99Doc* doc = view->GetDocument();
  m_strSaveAsAnswer = Path("b.rtf");
  CAnswers answers;
  EXPECT_TRUE(view->OnFileSaveAs());
  EXPECT_TRUE(answers.m_texts.isEmpty());
  EXPECT_TRUE(Read(Path("b.rtf")).startsWith("{\\rtf"));
  EXPECT_EQ(doc->GetPathName(), Path("b.rtf"));
  EXPECT_EQ(doc->GetTitle(), "b.rtf");
  EXPECT_TRUE(doc->IsRtf());
  EXPECT_FALSE(doc->IsModified());

  // The rich type now comes first; a .txt name asks, and No stops without writing.
  m_strSaveAsAnswer = Path("c.txt");
  CAnswers no({QMessageBox::No});
  EXPECT_FALSE(view->OnFileSaveAs());
  EXPECT_EQ(no.m_texts, QStringList{kQuestion});
  EXPECT_EQ(m_requests.back().filters.first(), "RTF Files (*.rtf)");
  EXPECT_EQ(m_requests.back().strDefaultExt, "rtf");
  EXPECT_FALSE(QFile::exists(Path("c.txt")));
  EXPECT_EQ(doc->GetPathName(), Path("b.rtf"));
}

TEST_F(DocTest, SavingRtfAsTextWithYesWritesPlainTextAndClearsTheFlag) {
  auto view = FormattedTextDocument();
  m_strSaveAsAnswer = Path("d.txt");
  CAnswers yes({QMessageBox::Yes});
  EXPECT_TRUE(view->OnFileSaveAs());
  EXPECT_EQ(Read(Path("d.txt")), "nuqneH Qapla'");
  EXPECT_FALSE(view->GetDocument()->IsRtf());
  // Reopened, the formatting is gone and the text is in the plain-text font.
  CVek99Doc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(Path("d.txt")));
  EXPECT_EQ(reopened.GetDocument()->toPlainText(), "nuqneH Qapla'");
}

TEST_F(DocTest, FailedSaveSaysSoAndKeepsTheFlag) {
  auto view = FormattedTextDocument();
  m_strSaveAsAnswer = Path("no-such-folder/e.txt");
  CAnswers answers({QMessageBox::Yes});
  EXPECT_FALSE(view->OnFileSaveAs());
  ASSERT_EQ(answers.m_texts.size(), 2);
  EXPECT_TRUE(answers.m_texts[1].startsWith("Failed to save document."));
  EXPECT_TRUE(view->GetDocument()->IsRtf());
  EXPECT_TRUE(view->GetDocument()->IsModified());
  EXPECT_EQ(view->GetDocument()->GetPathName(), Path("a.txt"));
}

TEST_F(DocTest, PrintsInsideHalfInchMargins) {
  auto view = MakeView("Qapla'\nbatlh");
  const qreal margin = view->document()->rootFrame()->frameFormat().margin();
  const QSizeF pageSize = view->document()->pageSize();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path("out.pdf"));
  PrintDocument(*view->document(), printer);
  const QMarginsF margins = printer.pageLayout().margins(QPageLayout::Inch);
  EXPECT_DOUBLE_EQ(margins.left(), 0.5);
  EXPECT_DOUBLE_EQ(margins.top(), 0.5);
  EXPECT_DOUBLE_EQ(margins.right(), 0.5);
  EXPECT_DOUBLE_EQ(margins.bottom(), 0.5);
  EXPECT_TRUE(Read(Path("out.pdf")).startsWith("%PDF"));
  // The document shown is not touched by its printed copy.
  EXPECT_DOUBLE_EQ(view->document()->rootFrame()->frameFormat().margin(), margin);
  EXPECT_EQ(view->document()->pageSize(), pageSize);
}

TEST_F(DocTest, UntitledSaveGoesToSaveAsWithoutDefaultExtension) {
  auto view = MakeView("Hol");
  m_strSaveAsAnswer.clear();
  EXPECT_FALSE(view->OnFileSave());
  ASSERT_EQ(m_requests.size(), 1u);
  EXPECT_TRUE(m_requests[0].strDefaultExt.isEmpty());
  EXPECT_EQ(m_requests[0].filters.first(), "Text Files (*.txt)");
}

TEST_F(DocTest, RtfIsChosenByTheLastThreeLettersIgnoringCase) {
  ASSERT_TRUE(Write(Path("BOLD.RTF"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 {\\b Qapla'} "
                                      "batlh\\par}"));
  CVek99Doc doc;
  ASSERT_TRUE(doc.OnOpenDocument(Path("BOLD.RTF")));
  EXPECT_TRUE(doc.IsRtf());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetDocument()->toPlainText().trimmed(), "Qapla' batlh");
  const QTextCharFormat first = doc.GetDocument()->begin().begin().fragment().charFormat();
  EXPECT_GE(first.fontWeight(), QFont::Bold);
  EXPECT_DOUBLE_EQ(first.fontPointSize(), 20.0);

  // The same bytes under a text name are text, in Courier New 10.5.
  ASSERT_TRUE(QFile::copy(Path("BOLD.RTF"), Path("bold.txt")));
  CVek99Doc text;
  ASSERT_TRUE(text.OnOpenDocument(Path("bold.txt")));
  EXPECT_FALSE(text.IsRtf());
  EXPECT_TRUE(text.GetDocument()->toPlainText().startsWith("{\\rtf1"));
  EXPECT_EQ(text.GetDocument()->defaultFont().family(), "Courier New");
  EXPECT_DOUBLE_EQ(text.GetDocument()->defaultFont().pointSizeF(), 10.5);
  EXPECT_TRUE(CVek99Doc::IsRtfPath("x.Rtf"));
  EXPECT_FALSE(CVek99Doc::IsRtfPath("x.rtf.txt"));
}

TEST_F(DocTest, TextFilesAreUtf8OrElseWindows1252) {
  ASSERT_TRUE(Write(Path("old.txt"), "Qapla\x92\r\nmaj\r"));
  ASSERT_TRUE(Write(Path("new.txt"), "\xEF\xBB\xBFQapla\xE2\x80\x99\nmaj"));
  CVek99Doc oldDoc, newDoc;
  ASSERT_TRUE(oldDoc.OnOpenDocument(Path("old.txt")));
  ASSERT_TRUE(newDoc.OnOpenDocument(Path("new.txt")));
  EXPECT_EQ(oldDoc.GetDocument()->toPlainText(), QString::fromUtf8("Qapla\u2019\nmaj\n"));
  EXPECT_EQ(newDoc.GetDocument()->toPlainText(), QString::fromUtf8("Qapla\u2019\nmaj"));
  // Written back as UTF-8.
  ASSERT_TRUE(oldDoc.OnSaveDocument(Path("old.txt")));
  EXPECT_EQ(Read(Path("old.txt")), "Qapla\xE2\x80\x99\nmaj\n");
}

TEST_F(DocTest, FailedOpenLeavesTheDocumentAlone) {
  CVek99Doc doc;
  doc.OnNewDocument("vek1");
  QString error;
  EXPECT_FALSE(doc.OnOpenDocument(Path("missing.rtf"), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(doc.GetTitle(), "vek1");
  EXPECT_FALSE(doc.IsRtf());
}

TEST_F(DocTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
  auto view = MakeView("Hol");
  view->textCursor().insertText("!");
  {
    CAnswers cancel({QMessageBox::Cancel});
    EXPECT_FALSE(view->SaveModified());
    EXPECT_EQ(cancel.m_texts, QStringList{"Save changes to vek1?"});
  }
  CAnswers no({QMessageBox::No});
  EXPECT_TRUE(view->SaveModified());
  EXPECT_TRUE(m_requests.empty());
}

}  // namespace
