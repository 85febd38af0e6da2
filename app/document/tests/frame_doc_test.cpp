// Documents in the main window: commands, font boxes, recent files, drops and
// files named on the command line.

#include "doccommands.h"
#include "doctestutil.h"
#include "mainframe.h"

namespace {

class FrameDocTest : public AppTest {
 protected:
  CDocCommands* Docs() const { return m_frame->DocCommands(); }
  QString MakeFile(const QString& name, const QByteArray& bytes) {
    EXPECT_TRUE(WriteFile(Data(name), bytes));
    return Data(name);
  }
};

TEST_F(FrameDocTest, CommandsFollowTheActiveViewAndItsSelection) {
  Start();
  EXPECT_FALSE(Command("ID_FILE_SAVE")->isEnabled());
  EXPECT_TRUE(Command("ID_FILE_OPEN")->isEnabled());
  Command("ID_FILE_NEW")->trigger();
  CVek99View* view = Docs()->ActiveView();
  ASSERT_NE(view, nullptr);
  EXPECT_TRUE(Command("ID_FILE_SAVE")->isEnabled());
  EXPECT_FALSE(Command("ID_EDIT_COPY")->isEnabled());
  EXPECT_EQ(m_frame->FontNameBox()->currentText(), QFontInfo(QFont("Courier New")).family());
  EXPECT_EQ(m_frame->FontSizeBox()->currentText(), "10");

  view->textCursor().insertText("Qapla' batlh");
  Select(*view, 0, 6);
  EXPECT_TRUE(Command("ID_EDIT_COPY")->isEnabled());
  Command("ID_CHAR_BOLD")->trigger();
  EXPECT_TRUE(Command("ID_CHAR_BOLD")->isChecked());
  Command("ID_FONT_LARGER")->trigger();
  EXPECT_EQ(m_frame->FontSizeBox()->currentText(), "12");
  // A size the list lacks is added at its end.
  for (int i = 0; i < 12; ++i) Command("ID_FONT_LARGER")->trigger();
  EXPECT_EQ(m_frame->FontSizeBox()->currentText(), "36");
  EXPECT_EQ(m_frame->FontSizeBox()->itemText(m_frame->FontSizeBox()->count() - 1), "36");
  // Choosing in the boxes formats the selection.
  emit m_frame->FontSizeBox()->activated(m_frame->FontSizeBox()->findText("14"));
  EXPECT_EQ(view->GetSelectionFormat().pointSize, 14.0);

  Command("ID_FORMAT_PIQAD")->trigger();
  EXPECT_TRUE(Command("ID_FORMAT_PIQAD")->isChecked());
  EXPECT_EQ(view->toPlainText(), "QAPLA' batlh");
  EXPECT_EQ(m_frame->FontNameBox()->currentText(), QFontInfo(QFont("KLIPIqaDmey")).family());
  Command("ID_EDIT_UNDO")->trigger();
  EXPECT_EQ(view->toPlainText(), "Qapla' batlh");
  EXPECT_TRUE(Command("ID_LANGUAGE_SPELLCHECK")->isEnabled());
  EXPECT_TRUE(Command("ID_FILE_ANALYZE")->isEnabled());
  EXPECT_TRUE(m_log.m_messages.empty());
  view->GetDocument()->SetModifiedFlag(false);
}

TEST_F(FrameDocTest, FormatKeysReachTheViewAndTabStaysText) {
  Start();
  Command("ID_FILE_NEW")->trigger();
  CVek99View* view = Docs()->ActiveView();
  ASSERT_NE(view, nullptr);
  m_frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(m_frame));
  view->setFocus();
  QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier);
  QTest::keyClicks(view, "a");
  QTest::keyClick(view, Qt::Key_Tab);
  QTest::keyClick(view, Qt::Key_I, Qt::ControlModifier);
  QTest::keyClick(view, Qt::Key_B, Qt::ControlModifier);
  QTest::keyClicks(view, "b");
  EXPECT_EQ(view->toPlainText(), "a\tb");
  for (int i = 0; i < 3; ++i) {
    Select(*view, i, i + 1);
    EXPECT_EQ(view->GetSelectionFormat().italic, i < 2) << i;
    EXPECT_EQ(view->GetSelectionFormat().bold, i == 2) << i;
  }
  QTest::keyClick(view, Qt::Key_Period, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(view->GetSelectionFormat().pointSize, 12.5);
  QTest::keyClick(view, Qt::Key_Comma, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(view, Qt::Key_Comma, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(view->GetSelectionFormat().pointSize, 8.5);
  view->GetDocument()->SetModifiedFlag(false);
}

TEST_F(FrameDocTest, CancelAtTheSaveQuestionStopsTheExit) {
  Start();
  for (int i = 0; i < 3; ++i) {
    Command("ID_FILE_NEW")->trigger();
    Docs()->ActiveView()->textCursor().insertText("Qapla'");
  }
  const QStringList all = Titles();
  ASSERT_EQ(all.size(), 3);
  auto modified = [this] {
    int n = 0;
    for (QMdiSubWindow* w : m_frame->MdiArea()->subWindowList())
      n += qobject_cast<CVek99View*>(w->widget())->GetDocument()->IsModified();
    return n;
  };
  // No for the first, Cancel for the second: the third is not asked, and all
  // three stay open with their changes.
  {
    CMessageLog answers({QMessageBox::No, QMessageBox::Cancel});
    EXPECT_FALSE(m_frame->close());
    EXPECT_EQ(answers.Texts().size(), 2);
  }
  EXPECT_EQ(Titles(), all);
  EXPECT_EQ(modified(), 3);
  EXPECT_TRUE(m_frame->isVisible());
  // No to each: asked once per document, then all close.
  CMessageLog answers({QMessageBox::No, QMessageBox::No, QMessageBox::No});
  EXPECT_TRUE(m_frame->close());
  EXPECT_EQ(answers.Texts().size(), 3);
  EXPECT_TRUE(Titles().isEmpty());
}

TEST_F(FrameDocTest, FindOpensReadyToTypeAndMatchesCase) {
  Start();
  Command("ID_FILE_NEW")->trigger();
  CVek99View* view = Docs()->ActiveView();
  view->textCursor().insertText("Qapla' qapla'");
  view->moveCursor(QTextCursor::Start);
  for (const char* id : {"ID_EDIT_REPLACE", "ID_EDIT_FIND"}) {
    Command(id)->trigger();
    auto* dialog = m_frame->findChild<CFindReplaceDlg*>(id == QString("ID_EDIT_FIND")
                                                            ? "findDialog" : "replaceDialog");
    ASSERT_NE(dialog, nullptr) << id;
    EXPECT_EQ(dialog->focusWidget(), dialog->findChild<QLineEdit*>("findWhat")) << id;
    EXPECT_TRUE(dialog->GetOptions().bMatchCase) << id;
  }
  // Typing and Enter search, and the dialog stays.
  auto* dialog = m_frame->findChild<CFindReplaceDlg*>("findDialog");
  QLineEdit* field = dialog->findChild<QLineEdit*>("findWhat");
  QTest::keyClicks(field, "qapla");
  QTest::keyClick(field, Qt::Key_Return);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(view->textCursor().selectionStart(), 7);
  EXPECT_TRUE(m_log.m_messages.empty());
  view->GetDocument()->SetModifiedFlag(false);
}

TEST_F(FrameDocTest, TitlesMarkUnsavedDocuments) {
  Start();
  Command("ID_FILE_NEW")->trigger();
  QMdiSubWindow* window = m_frame->MdiArea()->activeSubWindow();
  CVek99View* view = Docs()->ActiveView();
  EXPECT_TRUE(window->windowTitle().endsWith("[*]"));
  EXPECT_FALSE(window->isWindowModified());
  view->textCursor().insertText("Qapla'");
  EXPECT_TRUE(window->isWindowModified());
  SetSaveAsHook([this](const CSaveAsRequest&) { return Data("saved.txt"); });
  EXPECT_TRUE(view->OnFileSave());
  SetSaveAsHook({});
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(Titles(), QStringList{"saved.txt"});
}

TEST_F(FrameDocTest, FontBoxShowsTheFaceReallyDrawn) {
  Start();
  Command("ID_FILE_NEW")->trigger();
  CVek99View* view = Docs()->ActiveView();
  view->textCursor().insertText("Qapla'");
  view->selectAll();
  for (const QString& face : {QString("No Such Face Vekmor"), QFontInfo(QFont()).family()}) {
    view->SetSelectionFace(face);
    EXPECT_EQ(m_frame->FontNameBox()->currentText(), QFontInfo(QFont(face)).family());
  }
  EXPECT_NE(m_frame->FontNameBox()->currentText(), "No Such Face Vekmor");
  view->GetDocument()->SetModifiedFlag(false);
}

TEST_F(FrameDocTest, RecentFilesKeepTheLastFourNewestFirst) {
  Start();
  QStringList paths;
  for (int i = 1; i <= 5; ++i) paths << MakeFile(QString("f%1.txt").arg(i), "Hol");
  for (const QString& path : paths) ASSERT_NE(Docs()->OpenDocumentFile(path), nullptr);
  EXPECT_EQ(Docs()->RecentFiles(), (QStringList{paths[4], paths[3], paths[2], paths[1]}));
  EXPECT_TRUE(Command("ID_FILE_MRU_FILE1")->text().startsWith("&1 "));
  EXPECT_TRUE(Command("ID_FILE_MRU_FILE1")->text().endsWith("f5.txt"));
  QSettings profile("Halden", "Vekmor for Windows 2.1");
  EXPECT_EQ(profile.value("Recent File List/File1").toString(), paths[4]);
  EXPECT_EQ(profile.value("Recent File List/File4").toString(), paths[1]);

  // Opening an open file again brings its window forward.
  const int windows = int(m_frame->MdiArea()->subWindowList().size());
  Docs()->OpenDocumentFile(paths[2]);
  EXPECT_EQ(m_frame->MdiArea()->subWindowList().size(), windows);
  EXPECT_EQ(Docs()->ActiveView()->GetDocument()->GetPathName(), paths[2]);

  // A file that has gone leaves the list after its message.
  m_frame->MdiArea()->closeAllSubWindows();
  QFile::remove(paths[3]);
  EXPECT_EQ(Docs()->OpenDocumentFile(paths[3]), nullptr);
  ASSERT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_TRUE(m_log.Texts()[0].startsWith("Failed to open document."));
  EXPECT_FALSE(Docs()->RecentFiles().contains(paths[3]));
}

TEST_F(FrameDocTest, FilesFromTheCommandLineAndFromDrops) {
  const QString rich = MakeFile("Batlh.RTF", "{\\rtf1\\ansi {\\i batlh} Daqawlu'taH\\par}");
  const QString text = MakeFile("notes.txt", "nuqneH");
  Start({rich});
  EXPECT_EQ(Titles(), QStringList{"Batlh.RTF"});
  EXPECT_TRUE(Docs()->ActiveView()->GetDocument()->IsRtf());
  EXPECT_TRUE(Docs()->ActiveView()->toPlainText().startsWith("batlh"));

  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(text)});
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_frame, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(m_frame, &drop);
  EXPECT_EQ(Titles(), (QStringList{"Batlh.RTF", "notes.txt"}));
  EXPECT_FALSE(Docs()->ActiveView()->GetDocument()->IsRtf());
}

}  // namespace
