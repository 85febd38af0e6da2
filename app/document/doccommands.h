#pragma once
// The document commands of the main window: opening and creating documents,
// the recent-file list, files dropped or named on the command line, the edit,
// find, format and print commands of the active view, and which of them are
// enabled and checked.
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <memory>

#include "findreplace.h"

class CMainFrame;
class CVek99App;
class CVek99View;
class QMdiSubWindow;
class QPrinter;

class CDocCommands : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxRecentFiles = 4;

  CDocCommands(CMainFrame& frame, CVek99App& app);
  ~CDocCommands() override;

  // The view of the active document window, or nullptr.
  CVek99View* ActiveView() const;

  // A new untitled plain-text document in a maximised window.
  QMdiSubWindow* OpenNewDocument(const QString& title);
  // Opens `path`, or brings forward the window that has it open already.
  // Shows why when it cannot be read; nullptr then.
  CVek99View* OpenDocumentFile(const QString& path);
  void OnFileOpen();
  // Asks about every modified document in turn (Yes saves). False when the
  // user cancels or a save fails: then every document stays open and those
  // answered No keep their changes. True: all may close without asking again.
  bool SaveAllModified();
  // The Open dialog's filters, the one for every document first.
  QStringList OpenFilters() const;

  QStringList RecentFiles() const { return m_recentFiles; }
  void AddToRecentFileList(const QString& path);

  CFindOptions LastFindOptions() const { return m_findOptions; }
  void OnEditFind();
  void OnEditReplace();
  void OnEditRepeat();

  QPrinter& Printer();

 signals:
  // Every new view passes here: the language tools connect their hooks.
  void viewCreated(CVek99View* view);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QMdiSubWindow* AddView(CVek99View* view);
  void ConnectCommands();
  void UpdateCommands();
  void UpdateFontBoxes();
  void LoadRecentFiles();
  void StoreRecentFiles() const;
  void UpdateRecentMenu();
  void RemoveFromRecentFileList(const QString& path);
  void ShowFindDialog(bool bReplace);
  void OnFilePrint();
  void OnFilePrintPreview();
  void OnFilePrintSetup();

  CMainFrame& m_frame;
  CVek99App& m_app;
  QStringList m_recentFiles;
  QList<QAction*> m_recentActions;
  CFindOptions m_findOptions;
  QPointer<CFindReplaceDlg> m_pFindDlg;
  QPointer<CFindReplaceDlg> m_pReplaceDlg;
  std::unique_ptr<QPrinter> m_pPrinter;
};
