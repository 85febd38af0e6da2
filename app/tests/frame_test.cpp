#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <gtest/gtest.h>

#include "mainframe.h"
#include "testenv.h"
#include "vekapp.h"

namespace {

// Records the URLs that would have gone to the desktop.
class CUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> m_urls;
 public slots:
  void Open(const QUrl& url) { m_urls << url; }
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearSettings();
    ASSERT_TRUE(WriteTestLexicon(m_data.filePath("lexicon.klx")));
    ASSERT_TRUE(m_app.InitInstance({"vek", "--data-dir", m_data.path()}));
    m_frame = m_app.GetMainFrame();
  }

  QAction* Command(const char* id) {
    QAction* action = m_frame->Action(id);
    EXPECT_NE(action, nullptr) << id;
    return action;
  }
  // The menu of the menu bar whose title is `title` (mnemonic included).
  QMenu* Menu(const QString& title) {
    for (QAction* top : m_frame->menuBar()->actions())
      if (top->text() == title) return top->menu();
    return nullptr;
  }
  QStringList Titles() const {
    QStringList titles;
    for (QMdiSubWindow* w : m_frame->MdiArea()->subWindowList()) titles << w->windowTitle();
    return titles;
  }

  QTemporaryDir m_data;
  CMessageLog m_log;
  CVek99App m_app;
  CMainFrame* m_frame = nullptr;
};

struct MenuEntry {
  const char* pszMenu;
  const char* pszText;
  const char* pszKeys;
};

// Every entry of the command table with its menu text, key hint and keys.
const MenuEntry kMenuEntries[] = {
    {"&File", "&New\tCtrl+N", "Ctrl+N"},
    {"&File", "&Open...\tCtrl+O", "Ctrl+O"},
    {"&File", "&Close", ""},
    {"&File", "&Save\tCtrl+S", "Ctrl+S"},
    {"&File", "Save &As...", ""},
    {"&File", "&Print...\tCtrl+P", "Ctrl+P"},
    {"&File", "Print Pre&view", ""},
    {"&File", "P&rint Setup...", ""},
    {"&File", "Recent File", ""},
    {"&File", "E&xit", ""},
    {"&File", "Analyze &Document", ""},
    {"&Edit", "&Undo\tCtrl+Z", "Ctrl+Z"},
    {"&Edit", "Cu&t\tCtrl+X", "Ctrl+X"},
    {"&Edit", "&Copy\tCtrl+C", "Ctrl+C"},
    {"&Edit", "&Paste\tCtrl+V", "Ctrl+V"},
    {"&Edit", "Paste &Special...", ""},
    {"&Edit", "Select &All\tCtrl+A", "Ctrl+A"},
    {"&Edit", "&Find...\tCtrl+F", "Ctrl+F"},
    {"&Edit", "Find &Next\tF3", "F3"},
    {"&Edit", "R&eplace...\tCtrl+H", "Ctrl+H"},
    {"F&ormat", "&Bold\tCtrl+B", "Ctrl+B"},
    {"F&ormat", "&Italic\tCtrl+I", "Ctrl+I"},
    {"F&ormat", "&Underline\tCtrl+U", "Ctrl+U"},
    {"F&ormat", "&Font...", ""},
    {"F&ormat", "&pIqaD\tF2", "F2"},
    {"&Language", "S&pell Check...\tCtrl-F7", "Ctrl+F7"},
    {"&Language", "&Translate...\tF7", "F7"},
    {"&Language", "Search &Lexicon...\tF8", "F8"},
    {"&Language", "Search &Canon...\tF9", "F9"},
    {"&Language", "C&hatterbot\tF5", "F5"},
    {"&Language", "&Flashcards\tF10", "F10"},
    {"&Language", "L&essons\tF11", "F11"},
    {"&Utilities", "&Modify Lexicon...\tCtrl-M", "Ctrl+M"},
    {"&Utilities", "&Robot Rule Editor...\tCtrl-R", "Ctrl+R"},
    {"&Utilities", "&Lesson Editor...\tCtrl-L", "Ctrl+L"},
    {"&Utilities", "&Canon Editor...\tCtrl-E", "Ctrl+E"},
    {"&View", "&Main Toolbar", ""},
    {"&View", "&Formatting Toolbar", ""},
    {"&View", "&Status Bar", ""},
    {"&Window", "&Cascade", ""},
    {"&Window", "&Tile", ""},
    {"&Window", "&Arrange Icons", ""},
    {"&Help", "&Noun Suffixes\tCtrl+1", "Ctrl+1"},
    {"&Help", "Verb &Prefixes\tCtrl+2", "Ctrl+2"},
    {"&Help", "Verb &Suffixes\tCtrl+3", "Ctrl+3"},
    {"&Help", "Verb Prefix &Chart\tCtrl+4", "Ctrl+4"},
    {"&Help", "&Help Contents\tF1", "F1"},
    {"&Help", "&About Vekmor...", ""},
};

TEST_F(FrameTest, EveryCommandIsInItsMenuWithItsKeys) {
  QList<QKeySequence> seen;
  for (const MenuEntry& e : kMenuEntries) {
    QMenu* menu = Menu(e.pszMenu);
    ASSERT_NE(menu, nullptr) << e.pszMenu;
    QAction* found = nullptr;
    for (QAction* a : menu->actions())
      if (a->text() == e.pszText) found = a;
    ASSERT_NE(found, nullptr) << e.pszMenu << " " << e.pszText;
    EXPECT_EQ(found->shortcut(), QKeySequence(e.pszKeys)) << e.pszText;
    if (!found->shortcut().isEmpty()) {
      EXPECT_FALSE(seen.contains(found->shortcut())) << "twice: " << e.pszKeys;
      seen << found->shortcut();
    }
  }
  // The keys that have no menu entry.
  QStringList keyOnly;
  for (QAction* a : m_frame->actions()) keyOnly << a->shortcut().toString();
  EXPECT_TRUE(keyOnly.contains("Ctrl+Shift+."));
  EXPECT_TRUE(keyOnly.contains("Ctrl+Shift+,"));
  EXPECT_TRUE(keyOnly.contains("Shift+F7"));
}

TEST_F(FrameTest, ToolsNotBuiltYetAreDisabled) {
  for (const char* id : {"ID_FILE_SAVE", "ID_FILE_PRINT", "ID_LANGUAGE_SPELLCHECK",
                         "ID_LANGUAGE_TRANSLATE",
                         "ID_UTILITIES_MODIFYLEXICON", "ID_HELP_NOUNSUFFIXES", "ID_FORMAT_PIQAD"})
    EXPECT_FALSE(Command(id)->isEnabled()) << id;
  for (const char* id : {"ID_FILE_NEW", "ID_FILE_OPEN", "ID_APP_EXIT", "ID_VIEW_FORMATBAR", "ID_WINDOW_CASCADE",
                         "ID_HELP_CONTENTS", "ID_APP_ABOUT", "ID_LANGUAGE_CHATTERBOT"})
    EXPECT_TRUE(Command(id)->isEnabled()) << id;
}

TEST_F(FrameTest, BarsCarryTheirButtonsAndIndicators) {
  EXPECT_EQ(m_frame->MainToolBar()->windowTitle(), "Main Toolbar");
  EXPECT_EQ(m_frame->FormatToolBar()->windowTitle(), "Format Toolbar");
  QStringList main;
  for (QAction* a : m_frame->MainToolBar()->actions())
    main << (a->isSeparator() ? QString("|") : a->objectName());
  EXPECT_EQ(main.join(' '),
            "ID_FILE_NEW ID_FILE_OPEN ID_FILE_SAVE | ID_FILE_PRINT ID_FILE_PRINT_PREVIEW | "
            "ID_EDIT_CUT ID_EDIT_COPY ID_EDIT_PASTE ID_LANGUAGE_SPELLCHECK ID_APP_ABOUT");
  for (QAction* a : m_frame->MainToolBar()->actions())
    if (!a->isSeparator()) {
      EXPECT_FALSE(a->icon().isNull()) << a->objectName().toStdString();
    }
  EXPECT_FALSE(Command("ID_FORMAT_PIQAD")->icon().isNull());
  EXPECT_EQ(m_frame->toolBarArea(m_frame->FormatToolBar()), Qt::TopToolBarArea);
  EXPECT_FALSE(m_frame->FormatToolBar()->isAreaAllowed(Qt::LeftToolBarArea));
  EXPECT_GE(m_frame->MainToolBar()->height(), 30);
  for (const char* pane : {"indicatorCAP", "indicatorNUM", "indicatorSCRL"})
    EXPECT_NE(m_frame->statusBar()->findChild<QLabel*>(pane), nullptr) << pane;
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

TEST_F(FrameTest, WindowCommandsArrangeTheDocuments) {
  for (int i = 0; i < 3; ++i) Command("ID_FILE_NEW")->trigger();
  Command("ID_WINDOW_TILE_HORZ")->trigger();
  const QList<QMdiSubWindow*> windows = m_frame->MdiArea()->subWindowList();
  for (QMdiSubWindow* a : windows) {
    EXPECT_FALSE(a->isMaximized());
    for (QMdiSubWindow* b : windows)
      if (a != b) {
        EXPECT_FALSE(a->geometry().intersects(b->geometry()));
      }
  }
  Command("ID_WINDOW_CASCADE")->trigger();
  EXPECT_LT(windows[0]->pos().x(), windows[1]->pos().x());
  EXPECT_LT(windows[0]->pos().y(), windows[1]->pos().y());
  for (QMdiSubWindow* w : windows) w->showMinimized();
  Command("ID_WINDOW_ARRANGE")->trigger();
  const int bottom = m_frame->MdiArea()->viewport()->height();
  for (QMdiSubWindow* w : windows) EXPECT_EQ(w->geometry().bottom() + 1, bottom);
  EXPECT_EQ(windows[1]->x(), windows[0]->x() + windows[0]->width());
}

TEST_F(FrameTest, FormattingToolbarToggleAndCheckMark) {
  QAction* toggle = Command("ID_VIEW_FORMATBAR");
  EXPECT_TRUE(toggle->isChecked());
  toggle->trigger();
  EXPECT_FALSE(m_frame->FormatToolBar()->isVisible());
  EXPECT_FALSE(toggle->isChecked());
  toggle->trigger();
  EXPECT_TRUE(m_frame->FormatToolBar()->isVisible());
  EXPECT_TRUE(toggle->isChecked());
}

TEST_F(FrameTest, HelpContentsOpensTheGuideOrSaysWhyNot) {
  CUrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "Open");
  const QString guide = m_data.filePath("vek.html");
  Command("ID_HELP_CONTENTS")->trigger();
  EXPECT_TRUE(catcher.m_urls.isEmpty());
  ASSERT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_EQ(m_log.m_messages[0].strText,
            QString("Cannot open the help file \"%1\"!\nError:No such file or directory").arg(guide));

  ASSERT_TRUE(WriteFile(guide, "<html></html>"));
  Command("ID_HELP_CONTENTS")->trigger();
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_EQ(catcher.m_urls, QList<QUrl>{QUrl::fromLocalFile(guide)});
}

TEST_F(FrameTest, AboutBoxHasItsCaption) {
  QString caption;
  QTimer::singleShot(0, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      caption = box->windowTitle();
      box->close();
    }
  });
  Command("ID_APP_ABOUT")->trigger();
  EXPECT_EQ(caption, "About Vekmor for Windows 2.1");
}

TEST_F(FrameTest, ChatterbotTalksWithTheRulesOfTheDataFolder) {
  ASSERT_TRUE(WriteFile(m_data.filePath("robot-rules.txt"),
                        "robot-rules 1\nrule <a>\nactivation 1\npattern 100 nuqneH\n"
                        "response nuqneH!\nend\n"));
  QString title, reply;
  QTimer::singleShot(0, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      title = box->windowTitle();
      if (auto* input = box->findChild<QLineEdit*>("input")) {
        input->setText("nuqneH");
        QTest::keyClick(input, Qt::Key_Return);
      }
      if (auto* field = box->findChild<QPlainTextEdit*>("reply")) reply = field->toPlainText();
      box->close();
    }
  });
  Command("ID_LANGUAGE_CHATTERBOT")->trigger();
  EXPECT_EQ(title, "Chatterbot");
  EXPECT_EQ(reply, "nuqneH!");
}

}  // namespace

#include "frame_test.moc"
