#pragma once
// The application object: starts the program in a fixed order and owns, for
// the whole run, the lexicon, the personal dictionary, the spell checker's
// ignore list, the canon database and the data folder.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "canon/entrydb.h"
#include "datafolders.h"
#include "doctemplate.h"
#include "wordbank/klex.h"

class CMainFrame;
class CSingleInstance;
class QSettings;

class CVek99App : public QObject {
  Q_OBJECT
 public:
  CVek99App();
  ~CVek99App() override;

  // Runs the start-up; false means the program ends at once with ExitCode().
  // `arguments` are the command line, program name first.
  bool InitInstance(const QStringList& arguments);
  int ExitCode() const { return m_nExitCode; }
  // Set by --exit-when-ready: quit as soon as the event loop runs.
  bool ExitWhenReady() const { return m_bExitWhenReady; }

  bool LoadLexicon();
  void SaveLexicon();
  void LoadPersonalDictionary();
  void SavePersonalDictionary();
  // The main window's status text, when there is a main window.
  void SetStatusText(const QString& text);

  // The folder of the shipped data (help, shipped lessons), ending in '/'.
  QString GetAppDir() const { return m_strAppDir; }
  // The folder of the user's own data files, ending in '/'.
  QString GetUserDir() const { return m_folders.strUser; }
  // The data file `name` to read: the user's copy when there is one, else the
  // shipped file. Never save to it: see WritableDataPath.
  std::string DataPath(const char* name) const;
  // The data file `name` to save to (and to read when it is read and written
  // as it goes): the user's copy, made from the shipped file on first use.
  QString WritableDataPath(const QString& name) const;

  CMainFrame* GetMainFrame() const { return m_pMainFrame.get(); }
  std::vector<std::unique_ptr<CDocTemplate>>& GetDocTemplates() { return m_docTemplates; }
  // The profile of the program: organisation "Halden", the application title.
  std::unique_ptr<QSettings> GetProfile() const;

  CStringList m_ignoreList;
  CStringList m_personalDict;
  bool m_bPersonalDictUtf8 = false;  // the file was UTF-8: keep it so
  CKLex m_lexicon;
  CEntryDB m_canonDB;
  QString m_strAppDir;

 private:
  bool ParseCommandLine(const QStringList& arguments);

  std::unique_ptr<CSingleInstance> m_pInstance;
  std::vector<std::unique_ptr<CDocTemplate>> m_docTemplates;
  std::unique_ptr<CMainFrame> m_pMainFrame;
  QString m_strDataDirOption;
  CDataFolders m_folders;
  // Documents named on the command line, opened once the program is ready.
  QStringList m_filesToOpen;
  bool m_bExitWhenReady = false;
  int m_nExitCode = 0;
};

// The one application object of the run, or nullptr before it exists.
CVek99App* VekApp();
