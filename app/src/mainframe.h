#pragma once
// The main window: menus, the two toolbars, the status bar, the document
// windows, and the top-level commands it handles itself.
#include <QHash>
#include <QMainWindow>

class CDocCommands;
class CDocTemplate;
class CHelpWindow;
class CVek99App;
class QComboBox;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QToolBar;

class CMainFrame : public QMainWindow {
  Q_OBJECT
 public:
  explicit CMainFrame(CVek99App& app);
  ~CMainFrame() override;

  // The command's action by its id ("ID_FILE_NEW"); nullptr for none.
  QAction* Action(const QString& id) const;
  const QHash<QString, QAction*>& Actions() const { return m_actions; }
  QMdiArea* MdiArea() const { return m_pMdiArea; }
  QToolBar* MainToolBar() const { return m_pMainBar; }
  QToolBar* FormatToolBar() const { return m_pFormatBar; }
  QComboBox* FontNameBox() const { return m_pFontNameBox; }
  QComboBox* FontSizeBox() const { return m_pFontSizeBox; }
  // The user guide's window once Help Contents has opened it; else nullptr.
  CHelpWindow* HelpWindow() const { return m_pHelpWindow; }
  // The document commands: open, save, edit, format, find and print.
  CDocCommands* DocCommands() const { return m_pDocCommands; }

  // The status bar's message pane.
  void SetMessageText(const QString& text);
  QString GetMessageText() const;

  // Places the window as stored at the last close (or at its default place)
  // and shows it.
  void ShowAtStart();
  // Writes the window placement to the profile.
  void StorePlacement();
  // Brings the window to the front, restoring it when minimised.
  void BringToFront();

  // Opens an untitled document of `docTemplate` in a new, maximised window.
  QMdiSubWindow* OpenNewDocument(CDocTemplate& docTemplate);

  // Commands handled here.
  void OnFileNew();
  void OnFileClose();
  void OnViewFormatBar();
  void OnWindowArrange();
  void OnHelpContents();
  void OnAppAbout();
  // The chatterbot window (Language menu, F5), modal, over the rules in the
  // data folder.
  void OnChatterbot();
  // Lessons (student) and Lesson Editor (teacher).
  void OnLessons(bool bTeacher);
  // The robot rule editor (Utilities menu, Ctrl+R), over the same rules.
  void OnRobotRuleEditor();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBars();
  void CreateStatusBar();
  void ConnectCommands();
  void UpdateCommandStates();
  void UpdateLockIndicators();
  void UpdateWindowMenu();

  CVek99App& m_app;
  QHash<QString, QAction*> m_actions;
  QMdiArea* m_pMdiArea = nullptr;
  QToolBar* m_pMainBar = nullptr;
  QToolBar* m_pFormatBar = nullptr;
  QComboBox* m_pFontNameBox = nullptr;
  QComboBox* m_pFontSizeBox = nullptr;
  QMenu* m_pWindowMenu = nullptr;
  QList<QAction*> m_windowListActions;
  QLabel* m_pMessagePane = nullptr;
  QLabel* m_pCapsPane = nullptr;
  QLabel* m_pNumPane = nullptr;
  QLabel* m_pScrollPane = nullptr;
  QTimer* m_pLockTimer = nullptr;
  CDocCommands* m_pDocCommands = nullptr;
  CHelpWindow* m_pHelpWindow = nullptr;
  // Set while one of the format toolbar's font boxes is dropped down.
  bool m_bComboDropped = false;
};
