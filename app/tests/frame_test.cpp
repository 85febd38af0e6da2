
#include "helpwindow.h"
#include "mainframe.h"
#include "testenv.h"

namespace {

// Records the URLs that would have gone to the desktop.
class CUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> m_urls;
 public slots:
  void Open(const QUrl& url) { m_urls << url; }
};

class FrameTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Start();
  }
  // Closes the modal box opened by `command`, after `inBox` has worked on it; its caption.
  QString RunModal(const char* command, const std::function<void(QWidget*)>& inBox = {}) {
    QString caption;
    QTimer::singleShot(0, [&] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        caption = box->windowTitle();
        if (inBox) inBox(box);
        box->close();
      }
    });
    Command(command)->trigger();
    return caption;
  }
};

// One line per menu entry, key-only command and toolbar, as menus.txt has them.
QString DescribeBars(const CMainFrame& frame) {
  const auto line = [](const QString& where, const QAction* a) {
    return QString("%1 | %2 | %3")
               .arg(where, QString(a->text()).replace('\t', "\\t"), a->shortcut().toString())
               .trimmed() + '\n';
  };
  QString out;
  QList<QAction*> inMenus;
  for (QAction* top : frame.menuBar()->actions())
    for (QAction* a : top->menu()->actions())
      if (!a->isSeparator() && a->isVisible()) {
        out += line(top->text(), a);
        inMenus << a;
      }
  for (QAction* a : frame.actions())
    if (!inMenus.contains(a) && !a->shortcut().isEmpty()) out += line("keys", a);
  for (const QToolBar* bar : {frame.MainToolBar(), frame.FormatToolBar()}) {
    QStringList buttons;
    for (QAction* a : bar->actions())
      if (a->isSeparator() || !a->objectName().isEmpty())
        buttons << (a->isSeparator() ? QString("|")
                                     : a->objectName() + (a->icon().isNull() ? "(no icon)" : ""));
    out += QString("toolbar | %1 | %2").arg(bar->windowTitle(), buttons.join(' ')).trimmed() + '\n';
  }
  return out;
}

TEST_F(FrameTest, MenusKeysAndToolbarsAreAsListed) {
  QFile file(VEK_APP_FIXTURES "/menus.txt");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
  QString expected;
  for (const QString& row : QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts))
    if (!row.startsWith('#')) expected += row.trimmed() + '\n';
  EXPECT_EQ(DescribeBars(*m_frame).toStdString(), expected.toStdString());

  QStringList keys;
  for (QAction* a : m_frame->Actions())
    if (!a->shortcut().isEmpty()) keys << a->shortcut().toString();
  EXPECT_EQ(keys.removeDuplicates(), 0) << "a shortcut used twice";
  EXPECT_EQ(m_frame->toolBarArea(m_frame->FormatToolBar()), Qt::TopToolBarArea);
  EXPECT_FALSE(m_frame->FormatToolBar()->isAreaAllowed(Qt::LeftToolBarArea));
  EXPECT_GE(m_frame->MainToolBar()->height(), 30);
  for (const char* pane : {"indicatorCAP", "indicatorNUM", "indicatorSCRL"})
    EXPECT_NE(m_frame->statusBar()->findChild<QLabel*>(pane), nullptr) << pane;
  // Tools not built yet, and document commands without a document, cannot be chosen.
  for (const char* id : {"ID_FILE_SAVE", "ID_FILE_PRINT", "ID_LANGUAGE_SPELLCHECK",
                         "ID_FORMAT_PIQAD", "ID_FILE_ANALYZE"})
    EXPECT_FALSE(Command(id)->isEnabled()) << id;
  EXPECT_TRUE(Command("ID_LANGUAGE_TRANSLATE")->isEnabled());
  EXPECT_TRUE(Command("ID_APP_EXIT")->isEnabled());
}

TEST_F(FrameTest, FileNewOpensPlainDocumentsNumberedFromOne) {
  EXPECT_FALSE(m_frame->FontNameBox()->isEnabled());
  Command("ID_FILE_NEW")->trigger();
  Command("ID_FILE_NEW")->trigger();
  EXPECT_EQ(Titles(), (QStringList{"vek1", "vek2"}));
  EXPECT_TRUE(m_frame->MdiArea()->activeSubWindow()->isMaximized());
  EXPECT_TRUE(m_frame->FontNameBox()->isEnabled());
  EXPECT_TRUE(Command("ID_FILE_CLOSE")->isEnabled());
  // A rich-text document does not change the plain documents' numbering.
  m_frame->OpenNewDocument(*m_app.GetDocTemplates()[0]);
  Command("ID_FILE_NEW")->trigger();
  EXPECT_EQ(Titles(), (QStringList{"vek1", "vek2", "vek1", "vek3"}));
  m_frame->MdiArea()->closeAllSubWindows();
  QApplication::processEvents();
  EXPECT_FALSE(m_frame->FontNameBox()->isEnabled());
  EXPECT_FALSE(Command("ID_FILE_CLOSE")->isEnabled());
  Command("ID_FILE_NEW")->trigger();
  EXPECT_EQ(Titles(), QStringList{"vek4"});
  EXPECT_TRUE(m_log.m_messages.empty());

  m_app.GetDocTemplates().pop_back();
  Command("ID_FILE_NEW")->trigger();
  EXPECT_EQ(m_log.Texts(), QStringList{"Error creating new document!"});
}

TEST_F(FrameTest, WindowAndViewCommands) {
  for (int i = 0; i < 3; ++i) Command("ID_FILE_NEW")->trigger();
  Command("ID_WINDOW_TILE_HORZ")->trigger();
  const QList<QMdiSubWindow*> windows = m_frame->MdiArea()->subWindowList();
  EXPECT_FALSE(windows[0]->isMaximized());
  EXPECT_FALSE(windows[0]->geometry().intersects(windows[1]->geometry()));
  Command("ID_WINDOW_CASCADE")->trigger();
  EXPECT_LT(windows[0]->pos().x(), windows[1]->pos().x());
  EXPECT_LT(windows[0]->pos().y(), windows[1]->pos().y());
  for (QMdiSubWindow* w : windows) w->showMinimized();
  Command("ID_WINDOW_ARRANGE")->trigger();
  const int bottom = m_frame->MdiArea()->viewport()->height();
  for (QMdiSubWindow* w : windows) EXPECT_EQ(w->geometry().bottom() + 1, bottom);
  EXPECT_EQ(windows[1]->x(), windows[0]->x() + windows[0]->width());

  QAction* toggle = Command("ID_VIEW_FORMATBAR");
  for (bool shown : {false, true}) {
    toggle->trigger();
    EXPECT_EQ(m_frame->FormatToolBar()->isVisible(), shown);
    EXPECT_EQ(toggle->isChecked(), shown);
  }
}

TEST_F(FrameTest, HelpAboutAndChatterbot) {
  // Beside the program first, then in the data folder.
  CHelpWindow::SetProgramDir(Data("program"));
  const QString beside = Data("program/vek.html");
  const QString guide = Data("vek.html");
  Command("ID_HELP_CONTENTS")->trigger();
  EXPECT_EQ(m_log.Texts(),
            QStringList{QString("Cannot open the help file \"%1\"!\n"
                                "Error:No such file (looked for \"%2\" and \"%1\")")
                            .arg(guide, beside)});
  EXPECT_EQ(m_frame->HelpWindow(), nullptr);

  // Shown inside the program, with its contents; links to the web go outside.
  ASSERT_TRUE(WriteFile(guide, "<html><head><title>Guide</title></head><body><h1>Guide</h1>"
                               "<h2>Starting</h2><p><a href='more.html'>more</a> "
                               "<a href='https://example.org/'>web</a></p>"
                               "<h2>Keys</h2><p>F1</p></body></html>"));
  ASSERT_TRUE(WriteFile(Data("more.html"), "<html><body><h1>More</h1><p>nuqneH</p></body></html>"));
  CUrlCatcher catcher;
  QDesktopServices::setUrlHandler("https", &catcher, "Open");
  Command("ID_HELP_CONTENTS")->trigger();
  EXPECT_EQ(m_log.m_messages.size(), 1u);
  CHelpWindow* help = m_frame->HelpWindow();
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(help->isVisible());
  EXPECT_EQ(help->windowTitle(), "Guide");
  QTreeWidgetItem* top = help->Contents()->topLevelItem(0);
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->text(0), "Guide");
  ASSERT_EQ(top->childCount(), 2);
  EXPECT_EQ(top->child(1)->text(0), "Keys");
  emit help->Browser()->anchorClicked(QUrl("https://example.org/"));
  EXPECT_EQ(catcher.m_urls, QList<QUrl>{QUrl("https://example.org/")});
  emit help->Browser()->anchorClicked(QUrl("more.html"));
  EXPECT_EQ(help->Browser()->source(), QUrl::fromLocalFile(Data("more.html")));
  EXPECT_TRUE(help->Browser()->toPlainText().contains("nuqneH"));
  QDesktopServices::unsetUrlHandler("https");
  CHelpWindow::SetProgramDir({});

  QString about;
  EXPECT_EQ(RunModal("ID_APP_ABOUT",
                     [&](QWidget* box) {
                       if (auto* label = box->findChild<QLabel*>("aboutText"))
                         about = label->text();
                     }),
            "About Vekmor for Windows 2.1");
  // It promises no tool: lessons, flashcards and the rest arrive one by one.
  EXPECT_TRUE(about.contains("Klingon"));
  for (const char* tool : {"lessons", "flashcards", "spelling", "chatterbot", "analysis"})
    EXPECT_FALSE(about.contains(tool, Qt::CaseInsensitive)) << tool;
  ASSERT_TRUE(WriteFile(Data("robot-rules.txt"),
                        "robot-rules 1\nrule <a>\nactivation 1\npattern 100 nuqneH\n"
                        "response nuqneH!\nend\n"));
  QString reply;
  EXPECT_EQ(RunModal("ID_LANGUAGE_CHATTERBOT",
                     [&](QWidget* box) {
                       auto* input = box->findChild<QLineEdit*>("input");
                       ASSERT_NE(input, nullptr);
                       input->setText("nuqneH");
                       QTest::keyClick(input, Qt::Key_Return);
                       if (auto* field = box->findChild<QPlainTextEdit*>("reply"))
                         reply = field->toPlainText();
                     }),
            "Chatterbot");
  EXPECT_EQ(reply, "nuqneH!");

  // The canon and rule editor commands work on the files of the data folder
  // (not of the current folder): a damaged canon.klx there is reported and kept.
  ASSERT_NE(QDir::currentPath(), QDir(Data("")).absolutePath());
  const QByteArray damaged = "VKCN\x01";
  ASSERT_TRUE(WriteFile(Data("canon.klx"), damaged));
  QString text;
  EXPECT_EQ(RunModal("ID_UTILITIES_CANONEDITOR",
                     [&](QWidget* box) {
                       if (auto* b = qobject_cast<QMessageBox*>(box)) text = b->text();
                     }),
            "Canon Editor");
  EXPECT_TRUE(text.contains(Data("canon.klx"))) << text.toStdString();
  EXPECT_EQ(ReadFile(Data("canon.klx")), damaged);
  EXPECT_EQ(RunModal("ID_LANGUAGE_SEARCHCANON"), "Search Canon");
  QString rule;
  EXPECT_EQ(RunModal("ID_UTILITIES_ROBOTRULES",
                     [&](QWidget* box) {
                       if (auto* rules = box->findChild<QComboBox*>("rules")) rule = rules->currentText();
                     }),
            "Rule Editor");
  EXPECT_EQ(rule, "<a>");
}

}  // namespace

#include "frame_test.moc"
