// Opening and saving: the RTF flag, the loss-of-formatting question and the file kinds.

#include <QPrinter>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "rtf/rtffile.h"

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
  // The user keeps the formatting: the dialog offers RTF first, under the same name.
  ASSERT_EQ(m_requests.size(), 1u);
  EXPECT_EQ(m_requests[0].filters,
            (QStringList{"RTF Files (*.rtf)", "Text Files (*.txt)", "All Files (*)"}));
  EXPECT_EQ(m_requests[0].strDefaultExt, "rtf");
  EXPECT_EQ(m_requests[0].strFileName, Path("a.rtf"));
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
  // Once formatted, an untitled document is offered as RTF.
  untitled->selectAll();
  untitled->OnCharBold();
  EXPECT_FALSE(untitled->OnFileSaveAs());
  ASSERT_EQ(m_requests.size(), 3u);
  EXPECT_EQ(m_requests[2].filters.first(), "RTF Files (*.rtf)");
  EXPECT_EQ(m_requests[2].strDefaultExt, "rtf");
  untitled->GetDocument()->SetModifiedFlag(false);
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
    // The message names the file and says why.
    EXPECT_TRUE(yes.Texts()[1].startsWith("Failed to save document.\n" +
                                          Path("no-such-folder/e.txt") + "\n"));
    EXPECT_TRUE(yes.Texts()[1].endsWith(": No such file or directory"));
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

TEST_F(DocTest, TextFilesAreSavedBackInTheirOwnEncodingAndLineEnds) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QString text;
  };
  const QString qapla = QString::fromUtf8("Qapla\u2019\nmaj\n");
  const Case cases[] = {
      {"1252-crlf.txt", "Qapla\x92\r\nmaj\r\n", qapla},
      {"1252-cr.txt", "Qapla\x92\rmaj\r", qapla},
      {"utf8-bom.txt", "\xEF\xBB\xBFQapla\xE2\x80\x99\nmaj\n", qapla},
      {"utf8-crlf.txt", "Qapla\xE2\x80\x99\r\nmaj\r\n", qapla},
      {"utf16le.txt", QByteArray("\xFF\xFEQ\0a\0p\0l\0a\0\x19\x20\r\0\n\0m\0a\0j\0\r\0\n\0", 28),
       qapla},
      {"utf16be.txt", QByteArray("\xFE\xFF\0Q\0a\0p\0l\0a\x20\x19\0\n\0m\0a\0j\0\n", 24), qapla},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(WriteFile(Path(c.name), c.bytes));
    CVek99Doc doc;
    ASSERT_TRUE(doc.OnOpenDocument(Path(c.name))) << c.name;
    EXPECT_EQ(doc.GetDocument()->toPlainText(), c.text) << c.name;
    ASSERT_TRUE(QFile::remove(Path(c.name)));
    ASSERT_TRUE(doc.OnSaveDocument(Path(c.name))) << c.name;
    EXPECT_EQ(ReadFile(Path(c.name)), c.bytes) << c.name;
  }

  // Not text: refused with a reason, the document left alone.
  ASSERT_TRUE(WriteFile(Path("photo.txt"), QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)));
  CVek99Doc doc;
  ASSERT_TRUE(doc.OnOpenDocument(Path("utf8-bom.txt")));
  QString error;
  EXPECT_FALSE(doc.OnOpenDocument(Path("photo.txt"), &error));
  EXPECT_EQ(error, "The file is not a text file (it holds binary data).");
  EXPECT_EQ(doc.GetTitle(), "utf8-bom.txt");
  EXPECT_FALSE(doc.OnOpenDocument(Path("missing.rtf"), &error));
  EXPECT_EQ(doc.GetDocument()->toPlainText(), qapla);
}

TEST_F(DocTest, TheUserChoosesAnotherEncodingAndNothingIsLostSilently) {
  ASSERT_TRUE(WriteFile(Path("old.txt"), "Qapla\x92\r\n"));
  auto* doc = new CVek99Doc;
  ASSERT_TRUE(doc->OnOpenDocument(Path("old.txt")));
  CVek99View view(doc);
  // A letter Windows-1252 lacks: asked, and No writes nothing.
  view.moveCursor(QTextCursor::End);
  view.textCursor().insertText(QString::fromUtf8("\u014B"));
  const QString question = "Windows-1252 cannot hold every character of this document.  "
                           "Save it as UTF-8 instead?";
  {
    CMessageLog no({QMessageBox::No});
    EXPECT_FALSE(view.OnFileSave());
    EXPECT_EQ(no.Texts(), QStringList{question});
  }
  EXPECT_EQ(ReadFile(Path("old.txt")), "Qapla\x92\r\n");
  {
    CMessageLog yes({QMessageBox::Yes});
    EXPECT_TRUE(view.OnFileSave());
  }
  EXPECT_EQ(ReadFile(Path("old.txt")), "Qapla\xE2\x80\x99\r\n\xC5\x8B");

  // Save As offers the document's encoding and line ends, and takes the user's choice.
  m_strSaveAsAnswer = Path("new.txt");
  SetSaveAsHook([this](CSaveAsRequest& request) {
    m_requests.push_back(request);
    request.textFormat = CTextFormat{CTextFormat::Utf16Le, "\n"};
    return m_strSaveAsAnswer;
  });
  EXPECT_TRUE(view.OnFileSaveAs());
  EXPECT_EQ(m_requests.back().textFormat, (CTextFormat{CTextFormat::Utf8, "\r\n"}));
  EXPECT_EQ(ReadFile(Path("new.txt")),
            QByteArray("\xFF\xFEQ\0a\0p\0l\0a\0\x19\x20\n\0\x4B\x01", 18));
}

// Saving on a full disk, opening pipes: in a child process, so that a limit
// or a blocked read cannot harm the test run.
TEST_F(DocTest, AFailedWriteKeepsTheOldFileAndSaysWhy) {
  for (const char* name : {"full.txt", "full.rtf"}) {
    ASSERT_TRUE(WriteFile(Path(name), "old"));
    auto view = MakeView(QString(4000, 'a'));
    const int code = RunInChild([&] {
      // Files may not grow past 1 KiB: the write fails part of the way, as on a full disk.
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{1024, 1024};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 3;
      QString error;
      if (view->GetDocument()->OnSaveDocument(Path(name), &error)) return 1;
      return error == QString("Unable to write %1: File too large").arg(Path(name)) ? 0 : 2;
    });
    EXPECT_EQ(code, 0) << name << " (1: success reported, 2: other message)";
    EXPECT_EQ(ReadFile(Path(name)), "old") << name;
  }
  EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), (QStringList{"full.rtf", "full.txt"}));
}

TEST_F(DocTest, PipesAreRefusedAndReadingTakesOnlyWhatTheFileNeeds) {
  for (const char* name : {"pipe.rtf", "pipe.txt"}) {
    ASSERT_EQ(mkfifo(Path(name).toLocal8Bit().constData(), 0600), 0);
    const int code = RunInChild(
        [&] {
          QTextDocument doc;
          QString error;
          const bool bRtfRead =
              QString(name).endsWith("rtf") && rtf::LoadRtfFile(Path(name), doc, &error);
          CVek99Doc document;
          return bRtfRead || document.OnOpenDocument(Path(name), &error) ? 1 : 0;
        },
        5);
    EXPECT_EQ(code, 0) << name << " (-1: blocked)";
  }
  // A small file opens within a few hundred megabytes of address space.
  ASSERT_TRUE(WriteFile(Path("small.rtf"), "{\\rtf1\\ansi Qapla'\\par}"));
  ASSERT_TRUE(WriteFile(Path("small.txt"), "Qapla'"));
  const int code = RunInChild([&] {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 3;
    const QString vm = QString::fromLatin1(status.readAll()).section("VmSize:", 1).section("kB", 0, 0);
    const rlim_t room = (rlim_t(vm.trimmed().toLongLong()) + 200 * 1024) * 1024;
    const rlimit limit{room, room};
    if (setrlimit(RLIMIT_AS, &limit) != 0) return 3;
    QTextDocument doc;
    CVek99Doc rich, text;
    return rtf::LoadRtfFile(Path("small.rtf"), doc) && rich.OnOpenDocument(Path("small.rtf")) &&
                   text.OnOpenDocument(Path("small.txt"))
               ? 0
               : 1;
  });
  EXPECT_EQ(code, 0) << "(-2: out of memory)";
}

}  // namespace
