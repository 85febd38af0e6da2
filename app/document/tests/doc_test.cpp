// Opening and saving: the RTF flag, the loss-of-formatting question and the file kinds.

#include <QPrinter>

#include "doctestutil.h"
#include "printing.h"

namespace {

constexpr char kQuestion[] =
    "This document contains formatting information that will be lost.  Continue?";

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
    EXPECT_TRUE(view->GetDocument()->IsRtf());
    EXPECT_TRUE(view->GetDocument()->IsModified());
    return view;
  }

  QTemporaryDir m_dir;
  std::vector<CSaveAsRequest> m_requests;
  QString m_strSaveAsAnswer;
};

TEST_F(DocTest, SaveAndCloseAskBeforeLosingAnything) {
  auto view = FormattedTextDocument();
  CVek99Doc* doc = view->GetDocument();
  // No: Save As with the text type first; cancelling it writes nothing.
  {
    CMessageLog answers({QMessageBox::No});
    EXPECT_FALSE(view->OnFileSave());
    EXPECT_EQ(answers.Texts(), QStringList{kQuestion});
  }
  ASSERT_EQ(m_requests.size(), 1u);
  EXPECT_EQ(m_requests[0].filters,
            (QStringList{"Text Files (*.txt)", "RTF Files (*.rtf)", "All Files (*)"}));
  EXPECT_EQ(m_requests[0].strDefaultExt, "txt");
  EXPECT_EQ(ReadFile(Path("a.txt")), "nuqneH Qapla'");
  EXPECT_TRUE(doc->IsModified());

  // Yes: plain text is written and the flag follows the name.
  view->moveCursor(QTextCursor::End);
  view->textCursor().insertText("!");
  {
    CMessageLog answers({QMessageBox::Yes});
    EXPECT_TRUE(view->OnFileSave());
    EXPECT_EQ(answers.Texts(), QStringList{kQuestion});
  }
  EXPECT_EQ(ReadFile(Path("a.txt")), "nuqneH Qapla'!");
  EXPECT_FALSE(doc->IsRtf());
  EXPECT_FALSE(doc->IsModified());

  // Closing a modified document asks; Cancel keeps it, No closes without saving.
  auto untitled = MakeView("Hol");
  untitled->textCursor().insertText("!");
  {
    CMessageLog cancel({QMessageBox::Cancel});
    EXPECT_FALSE(untitled->SaveModified());
    EXPECT_EQ(cancel.Texts(), QStringList{"Save changes to vek1?"});
  }
  {
    CMessageLog no({QMessageBox::No});
    EXPECT_TRUE(untitled->SaveModified());
  }
  EXPECT_EQ(m_requests.size(), 1u);
  // An untitled document goes to Save As without a default extension.
  EXPECT_FALSE(untitled->OnFileSave());
  ASSERT_EQ(m_requests.size(), 2u);
  EXPECT_TRUE(m_requests[1].strDefaultExt.isEmpty());
  EXPECT_EQ(m_requests[1].filters.first(), "Text Files (*.txt)");
}

TEST_F(DocTest, SaveAsRtfKeepsTheFormattingAndAsTextAsksFirst) {
  auto view = FormattedTextDocument();
  CVek99Doc* doc = view->GetDocument();
  // A failed save says so and keeps the flag and the name.
  m_strSaveAsAnswer = Path("no-such-folder/e.txt");
  {
    CMessageLog yes({QMessageBox::Yes});
    EXPECT_FALSE(view->OnFileSaveAs());
    ASSERT_EQ(yes.m_messages.size(), 2u);
    EXPECT_TRUE(yes.Texts()[1].startsWith("Failed to save document."));
  }
  EXPECT_TRUE(doc->IsRtf());
  EXPECT_TRUE(doc->IsModified());
  EXPECT_EQ(doc->GetPathName(), Path("a.txt"));
  m_strSaveAsAnswer = Path("b.rtf");
  {
    CMessageLog answers;
    EXPECT_TRUE(view->OnFileSaveAs());
    EXPECT_TRUE(answers.Texts().isEmpty());
  }
  EXPECT_TRUE(ReadFile(Path("b.rtf")).startsWith("{\\rtf"));
  EXPECT_EQ(doc->GetPathName(), Path("b.rtf"));
  EXPECT_EQ(doc->GetTitle(), "b.rtf");
  EXPECT_TRUE(doc->IsRtf());
  EXPECT_FALSE(doc->IsModified());

  // The rich type now comes first; a .txt name asks, and No stops without writing.
  m_strSaveAsAnswer = Path("c.txt");
  {
    CMessageLog no({QMessageBox::No});
    EXPECT_FALSE(view->OnFileSaveAs());
    EXPECT_EQ(no.Texts(), QStringList{kQuestion});
  }
  EXPECT_EQ(m_requests.back().filters.first(), "RTF Files (*.rtf)");
  EXPECT_EQ(m_requests.back().strDefaultExt, "rtf");
  EXPECT_FALSE(QFile::exists(Path("c.txt")));
  EXPECT_EQ(doc->GetPathName(), Path("b.rtf"));
  // Yes writes plain text and clears the flag.
  CMessageLog yes({QMessageBox::Yes});
  EXPECT_TRUE(view->OnFileSaveAs());
  EXPECT_EQ(ReadFile(Path("c.txt")), "nuqneH Qapla'");
  EXPECT_FALSE(doc->IsRtf());
  EXPECT_EQ(doc->GetPathName(), Path("c.txt"));
}

TEST_F(DocTest, PrintsInsideHalfInchMargins) {
  auto view = MakeView("Qapla'\nbatlh");
  const qreal margin = view->document()->rootFrame()->frameFormat().margin();
  const QSizeF pageSize = view->document()->pageSize();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Path("out.pdf"));
  PrintDocument(*view->document(), printer);
  EXPECT_EQ(printer.pageLayout().margins(QPageLayout::Inch), QMarginsF(0.5, 0.5, 0.5, 0.5));
  EXPECT_TRUE(ReadFile(Path("out.pdf")).startsWith("%PDF"));
  // The document shown is not touched by its printed copy.
  EXPECT_DOUBLE_EQ(view->document()->rootFrame()->frameFormat().margin(), margin);
  EXPECT_EQ(view->document()->pageSize(), pageSize);
}

TEST_F(DocTest, RtfIsChosenByTheLastThreeLettersIgnoringCase) {
  ASSERT_TRUE(WriteFile(Path("BOLD.RTF"), "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 "
                                          "{\\b Qapla'} batlh\\par}"));
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
  ASSERT_TRUE(WriteFile(Path("old.txt"), "Qapla\x92\r\nmaj\r"));
  ASSERT_TRUE(WriteFile(Path("new.txt"), "\xEF\xBB\xBFQapla\xE2\x80\x99\nmaj"));
  CVek99Doc oldDoc, newDoc;
  ASSERT_TRUE(oldDoc.OnOpenDocument(Path("old.txt")));
  ASSERT_TRUE(newDoc.OnOpenDocument(Path("new.txt")));
  EXPECT_EQ(oldDoc.GetDocument()->toPlainText(), QString::fromUtf8("Qapla\u2019\nmaj\n"));
  EXPECT_EQ(newDoc.GetDocument()->toPlainText(), QString::fromUtf8("Qapla\u2019\nmaj"));
  // Written back as UTF-8.
  ASSERT_TRUE(oldDoc.OnSaveDocument(Path("old.txt")));
  EXPECT_EQ(ReadFile(Path("old.txt")), "Qapla\xE2\x80\x99\nmaj\n");

  // A failed open leaves the document alone.
  QString error;
  EXPECT_FALSE(newDoc.OnOpenDocument(Path("missing.rtf"), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(newDoc.GetTitle(), "new.txt");
  EXPECT_EQ(newDoc.GetDocument()->toPlainText(), QString::fromUtf8("Qapla\u2019\nmaj"));
  EXPECT_FALSE(newDoc.IsRtf());
}

}  // namespace
