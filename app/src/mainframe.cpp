#include "mainframe.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFontComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <exception>

#include "aboutdlg.h"
#include "appinfo.h"
#include "childframe.h"
#include "commandtable.h"
#include "course/testmgr.h"
#include "courseui/courseui.h"
#include "doccommands.h"
#include "doctemplate.h"
#include "helpwindow.h"
#include "icons.h"
#include "languagetools.h"
#include "lexiconcommands.h"
#include "lockkeys.h"
#include "messagebox.h"
#include "placement.h"
#include "canon/canoneditordlg.h"
#include "canon/canonsearchdlg.h"
#include "robot/chatterbotdlg.h"
#include "robot/ruleeditordlg.h"
#include "vekapp.h"

namespace {

// Commands that work now; every other entry waits, disabled, for its tool.
const char* const kReadyCommands[] = {
    "ID_FILE_NEW",        "ID_APP_EXIT",       "ID_VIEW_TOOLBAR",     "ID_VIEW_FORMATBAR",
    "ID_VIEW_STATUS_BAR", "ID_WINDOW_CASCADE", "ID_WINDOW_TILE_HORZ", "ID_WINDOW_ARRANGE",
    "ID_HELP_CONTENTS",   "ID_APP_ABOUT",      "ID_LANGUAGE_CHATTERBOT",
    "ID_LANGUAGE_LESSONS", "ID_UTILITIES_LESSONEDITOR",
    "ID_LANGUAGE_SEARCHCANON", "ID_UTILITIES_ROBOTRULES", "ID_UTILITIES_CANONEDITOR",
};

constexpr int kToolBarHeight = 30;
constexpr int kLockPollMs = 300;

QString ToolTipOf(const CCommand& c) {
  QString text = QString::fromUtf8(c.pszText);
  const QString keys = text.section('\t', 1);
  text = text.section('\t', 0, 0).remove('&');
  if (text.endsWith("...")) text.chop(3);
  return keys.isEmpty() ? text : QString("%1 (%2)").arg(text, keys);
}

QLabel* IndicatorPane(const char* text) {
  auto* pane = new QLabel;
  pane->setObjectName(QString("indicator") + text);
  pane->setAlignment(Qt::AlignCenter);
  pane->setMinimumWidth(pane->fontMetrics().horizontalAdvance(text) + 12);
  pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  return pane;
}

}  // namespace

CMainFrame::CMainFrame(CVek99App& app) : m_app(app) {
  setObjectName("mainFrame");
  setWindowTitle(kAppTitle);
  setWindowIcon(AppIcon());
  setAcceptDrops(true);

  m_pMdiArea = new QMdiArea(this);
  m_pMdiArea->setObjectName("mdiArea");
  m_pMdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  m_pMdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(m_pMdiArea);

  CreateActions();
  CreateMenus();
  CreateToolBars();
  CreateStatusBar();
  ConnectCommands();
  ConnectLexiconCommands(*this, app);
  m_pDocCommands = new CDocCommands(*this, app);
  new CLanguageTools(*this, app);
  connect(m_pMdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::UpdateCommandStates);
  UpdateCommandStates();
  // The lexicon search window and the affix reference sheet are created here,
  // hidden, when their tools arrive.
}

CMainFrame::~CMainFrame() {
  // Document windows closing with the frame must not reach its half-gone members.
  disconnect(m_pMdiArea, nullptr, this, nullptr);
  delete m_pDocCommands;
  m_pDocCommands = nullptr;
}

QAction* CMainFrame::Action(const QString& id) const { return m_actions.value(id, nullptr); }

void CMainFrame::CreateActions() {
  auto make = [this](const CCommand& c) {
    auto* action = new QAction(QString::fromUtf8(c.pszText), this);
    action->setObjectName(c.pszId);
    if (c.pszKeys) action->setShortcut(QKeySequence(QString::fromLatin1(c.pszKeys)));
    if (c.pszIcon) action->setIcon(VekIcon(c.pszIcon));
    action->setStatusTip(QString::fromUtf8(c.pszPrompt));
    action->setToolTip(ToolTipOf(c));
    action->setEnabled(false);
    m_actions.insert(c.pszId, action);
    return action;
  };
  for (const CMenuDef& menu : MenuTable())
    for (const CCommand& c : menu.commands)
      if (c.pszId) make(c);
  // Key-only commands act through the window, not through a menu.
  for (const CCommand& c : KeyOnlyCommands()) addAction(make(c));
  for (const char* id : kReadyCommands) m_actions.value(id)->setEnabled(true);
  for (const char* id : {"ID_VIEW_TOOLBAR", "ID_VIEW_FORMATBAR", "ID_VIEW_STATUS_BAR"}) {
    m_actions.value(id)->setCheckable(true);
    m_actions.value(id)->setChecked(true);
  }
}

void CMainFrame::CreateMenus() {
  for (const CMenuDef& def : MenuTable()) {
    QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.pszTitle));
    menu->setObjectName(QString::fromUtf8(def.pszTitle).remove('&') + "Menu");
    for (const CCommand& c : def.commands) {
      if (c.pszId)
        menu->addAction(m_actions.value(c.pszId));
      else
        menu->addSeparator();
    }
    if (menu->objectName() == "WindowMenu") {
      m_pWindowMenu = menu;
      connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateWindowMenu);
    }
  }
}

void CMainFrame::CreateToolBars() {
  auto fill = [this](QToolBar* bar, const std::vector<const char*>& buttons) {
    for (const char* id : buttons) {
      if (id)
        bar->addAction(m_actions.value(id));
      else
        bar->addSeparator();
    }
  };
  m_pMainBar = addToolBar("Main Toolbar");
  m_pMainBar->setObjectName("mainToolBar");
  m_pMainBar->setAllowedAreas(Qt::AllToolBarAreas);
  fill(m_pMainBar, MainToolBarButtons());

  // The format toolbar sits on the same row, to the right of the main one.
  m_pFormatBar = addToolBar("Format Toolbar");
  m_pFormatBar->setObjectName("formatToolBar");
  m_pFormatBar->setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
  m_pFontNameBox = new QFontComboBox;
  m_pFontNameBox->setObjectName("fontNameBox");
  m_pFontNameBox->setFixedWidth(150);
  m_pFontNameBox->setToolTip("Font");
  m_pFontSizeBox = new QComboBox;
  m_pFontSizeBox->setObjectName("fontSizeBox");
  m_pFontSizeBox->setFixedWidth(60);
  m_pFontSizeBox->setToolTip("Font Size");
  for (int size : {8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30})
    m_pFontSizeBox->addItem(QString::number(size));
  m_pFontSizeBox->setCurrentText("10");
  m_pFormatBar->addWidget(m_pFontNameBox);
  m_pFormatBar->addSeparator();
  m_pFormatBar->addWidget(m_pFontSizeBox);
  m_pFormatBar->addSeparator();
  fill(m_pFormatBar, FormatToolBarButtons());

  for (QToolBar* bar : {m_pMainBar, m_pFormatBar}) {
    bar->setIconSize(QSize(16, 16));
    bar->setMinimumHeight(kToolBarHeight);
  }
}

void CMainFrame::CreateStatusBar() {
  m_pMessagePane = new QLabel("Ready");
  m_pMessagePane->setObjectName("messagePane");
  statusBar()->addWidget(m_pMessagePane, 1);
  m_pCapsPane = IndicatorPane("CAP");
  m_pNumPane = IndicatorPane("NUM");
  m_pScrollPane = IndicatorPane("SCRL");
  for (QLabel* pane : {m_pCapsPane, m_pNumPane, m_pScrollPane})
    statusBar()->addPermanentWidget(pane);
  m_pLockTimer = new QTimer(this);
  connect(m_pLockTimer, &QTimer::timeout, this, &CMainFrame::UpdateLockIndicators);
  m_pLockTimer->start(kLockPollMs);
  UpdateLockIndicators();
}

void CMainFrame::ConnectCommands() {
  auto on = [this](const char* id, auto slot) {
    connect(m_actions.value(id), &QAction::triggered, this, slot);
  };
  on("ID_FILE_NEW", &CMainFrame::OnFileNew);
  on("ID_FILE_CLOSE", &CMainFrame::OnFileClose);
  on("ID_APP_EXIT", &QWidget::close);
  on("ID_VIEW_FORMATBAR", &CMainFrame::OnViewFormatBar);
  on("ID_WINDOW_CASCADE", [this] { m_pMdiArea->cascadeSubWindows(); });
  on("ID_WINDOW_TILE_HORZ", [this] { m_pMdiArea->tileSubWindows(); });
  on("ID_WINDOW_ARRANGE", &CMainFrame::OnWindowArrange);
  on("ID_HELP_CONTENTS", &CMainFrame::OnHelpContents);
  on("ID_APP_ABOUT", &CMainFrame::OnAppAbout);
  on("ID_LANGUAGE_CHATTERBOT", &CMainFrame::OnChatterbot);
  on("ID_LANGUAGE_LESSONS", [this] { OnLessons(false); });
  on("ID_UTILITIES_LESSONEDITOR", [this] { OnLessons(true); });
  on("ID_UTILITIES_ROBOTRULES", &CMainFrame::OnRobotRuleEditor);
  on("ID_LANGUAGE_SEARCHCANON", [this] { FindInCanon(this, m_app.m_canonDB); });
  // Saved to the user's canon file, which the program reads at start from then on.
  on("ID_UTILITIES_CANONEDITOR", [this] {
    EditCanonDB(m_app.m_canonDB, m_app.WritableDataPath("canon.klx").toStdString(), this);
  });

  on("ID_VIEW_TOOLBAR", [this] { m_pMainBar->setVisible(!m_pMainBar->isVisible()); });
  on("ID_VIEW_STATUS_BAR", [this] { statusBar()->setVisible(!statusBar()->isVisible()); });
  // Check marks follow the bars however they were shown or hidden.
  connect(m_pMainBar, &QToolBar::visibilityChanged, m_actions.value("ID_VIEW_TOOLBAR"),
          &QAction::setChecked);
  connect(m_pFormatBar, &QToolBar::visibilityChanged, m_actions.value("ID_VIEW_FORMATBAR"),
          &QAction::setChecked);
}

void CMainFrame::UpdateCommandStates() {
  // The document commands are CDocCommands's.
  QMdiSubWindow* active = m_pMdiArea->activeSubWindow();
  // The font boxes serve the document window that has the focus.
  m_pFontNameBox->setEnabled(active != nullptr);
  m_pFontSizeBox->setEnabled(active != nullptr);
}

void CMainFrame::UpdateLockIndicators() {
  CLockKeys keys;
  QueryLockKeys(keys);
  m_pCapsPane->setText(keys.bCaps ? "CAP" : "");
  m_pNumPane->setText(keys.bNum ? "NUM" : "");
  m_pScrollPane->setText(keys.bScroll ? "SCRL" : "");
}

void CMainFrame::UpdateWindowMenu() {
  for (QAction* action : m_windowListActions) delete action;
  m_windowListActions.clear();
  const QList<QMdiSubWindow*> windows = m_pMdiArea->subWindowList();
  if (windows.isEmpty()) return;
  m_windowListActions.append(m_pWindowMenu->addSeparator());
  int n = 0;
  for (QMdiSubWindow* window : windows) {
    auto* frame = qobject_cast<CChildFrame*>(window);
    const QString title = frame ? frame->ShownTitle() : window->windowTitle();
    QAction* action = m_pWindowMenu->addAction(QString("&%1 %2").arg(++n).arg(title));
    action->setCheckable(true);
    action->setChecked(window == m_pMdiArea->activeSubWindow());
    connect(action, &QAction::triggered, this,
            [this, window] { m_pMdiArea->setActiveSubWindow(window); });
    m_windowListActions.append(action);
  }
}

void CMainFrame::SetMessageText(const QString& text) {
  m_pMessagePane->setText(text);
  // Loads block the event loop: draw the text now, not after them.
  if (isVisible()) m_pMessagePane->repaint();
}

QString CMainFrame::GetMessageText() const { return m_pMessagePane->text(); }

void CMainFrame::ShowAtStart() {
  QScreen* screen = QGuiApplication::primaryScreen();
  const QRect workArea = screen->availableGeometry();
  const auto profile = m_app.GetProfile();
  const CFramePlacement placement = CFramePlacement::Read(*profile);
  QRect rect;
  int showCmd = kShowNormal;
  if (!placement.Apply(workArea, screen->geometry().size(), rect, showCmd)) {
    const QSize size = workArea.size() * 4 / 5;
    rect = QRect(workArea.topLeft() + QPoint(workArea.width() - size.width(),
                                             workArea.height() - size.height()) / 2,
                 size);
  }
  setGeometry(rect);
  if (showCmd == kShowMaximized)
    showMaximized();
  else
    show();
}

void CMainFrame::StorePlacement() {
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  const auto profile = m_app.GetProfile();
  CFramePlacement::Of(*this, workArea).Write(*profile);
}

void CMainFrame::BringToFront() {
  if (isMinimized()) showNormal();
  show();
  raise();
  activateWindow();
}

QMdiSubWindow* CMainFrame::OpenNewDocument(CDocTemplate& docTemplate) {
  return m_pDocCommands->OpenNewDocument(docTemplate.NextUntitledTitle());
}

void CMainFrame::OnFileNew() {
  auto& templates = m_app.GetDocTemplates();
  // New documents are always plain text, whatever window is active.
  if (templates.size() < 2) {
    VekMessageBox("Error creating new document!");
    return;
  }
  OpenNewDocument(*templates[1]);
}

void CMainFrame::OnFileClose() {
  if (QMdiSubWindow* active = m_pMdiArea->activeSubWindow()) active->close();
}

void CMainFrame::OnViewFormatBar() { m_pFormatBar->setVisible(!m_pFormatBar->isVisible()); }

void CMainFrame::OnWindowArrange() {
  // Minimised windows go in a row along the bottom edge.
  const int bottom = m_pMdiArea->viewport()->height();
  int x = 0;
  for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
    if (!window->isMinimized()) continue;
    window->move(x, bottom - window->height());
    x += window->width();
  }
}

void CMainFrame::OnHelpContents() {
  const QStringList candidates = CHelpWindow::Candidates(m_app.GetAppDir());
  try {
    for (const QString& path : candidates) {
      if (!QFileInfo(path).isFile()) continue;
      if (!m_pHelpWindow) m_pHelpWindow = new CHelpWindow(this);
      if (!m_pHelpWindow->Open(path)) {
        VekMessageBox(QString("Cannot open the help file \"%1\"!\nError:The file cannot be read")
                          .arg(path));
        return;
      }
      m_pHelpWindow->show();
      m_pHelpWindow->raise();
      m_pHelpWindow->activateWindow();
      return;
    }
    QStringList quoted;
    for (const QString& path : candidates) quoted << '"' + path + '"';
    VekMessageBox(QString("Cannot open the help file %1!\nError:No such file (looked for %2)")
                      .arg(quoted.last(), quoted.join(" and ")));
  } catch (const std::exception& e) {
    VekMessageBox(QString("Help File could not be opened: \n%1").arg(QString::fromUtf8(e.what())));
  }
}

void CMainFrame::OnAppAbout() {
  CAboutDlg dlg(this);
  dlg.exec();
}

void CMainFrame::OnChatterbot() {
  // The rules are read and saved as the robot learns: the user's copy.
  CChatterbotDlg::Run(this, VekApp() ? QFileInfo(VekApp()->WritableDataPath("robot-rules.txt")).path()
                                     : QCoreApplication::applicationDirPath());
}

void CMainFrame::OnLessons(bool bTeacher) {
  // Every command reads the course afresh and writes it back at Done: the
  // user's copy, made from the shipped lessons on first use.
  m_app.WritableDataPath(course::kLessonsFile);
  CTestMgr mgr(m_app.GetUserDir().toStdString());
  CCourseEnv env;
  env.message = [this](const QString& text, QMessageBox::StandardButtons buttons) {
    return VekMessageBox(text, MsgIcon::None, buttons, this);
  };
  if (bTeacher)
    courseui::Teacher(mgr, this, env);
  else
    courseui::Student(mgr, this, env);
}

void CMainFrame::OnRobotRuleEditor() {
  CRuleEditorDlg::Run(this, VekApp() ? QFileInfo(VekApp()->WritableDataPath("robot-rules.txt")).path()
                                      : QCoreApplication::applicationDirPath());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  // Placement and personal dictionary are kept even if the close is cancelled.
  StorePlacement();
  m_app.SavePersonalDictionary();
  // Every document is asked about first; Cancel at any question stops the
  // exit with all of them still open.
  if (!m_pDocCommands->SaveAllModified()) {
    event->ignore();
    return;
  }
  for (QMdiSubWindow* window : m_pMdiArea->subWindowList()) {
    if (!window->close()) {
      event->ignore();
      return;
    }
  }
  event->accept();
}
