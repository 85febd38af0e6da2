#include "vekapp.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

#include "appinfo.h"
#include "datafile/lexiconfile.h"
#include "doccommands.h"
#include "datafile/userdict.h"
#include "mainframe.h"
#include "messagebox.h"
#include "piqadtext.h"
#include "singleinstance.h"
#include "waitcursor.h"

namespace {

CVek99App* g_pApp = nullptr;

// Exit codes of a start that did not reach the running state.
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

}  // namespace

CVek99App* VekApp() { return g_pApp; }

CVek99App::CVek99App() { g_pApp = this; }

CVek99App::~CVek99App() {
  // The window goes before the lock, so a new copy never finds the lock free
  // while this one still shows.
  m_pMainFrame.reset();
  m_pInstance.reset();
  if (g_pApp == this) g_pApp = nullptr;
}

std::unique_ptr<QSettings> CVek99App::GetProfile() const {
  return std::make_unique<QSettings>(kSettingsOrganisation, kAppTitle);
}

std::string CVek99App::DataPath(const char* name) const {
  return DataFileToRead(m_folders, QString::fromUtf8(name)).toStdString();
}

QString CVek99App::WritableDataPath(const QString& name) const {
  return ::WritableDataPath(m_folders, name);
}

bool CVek99App::ParseCommandLine(const QStringList& arguments) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kAppTitle);
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption dataDir(
      "data-dir", "Read the lexicon and the other data files from DIR instead of the "
                  "program's folder.", "DIR");
  QCommandLineOption exitWhenReady("exit-when-ready",
                                   "Quit as soon as the window is ready (for timing).");
  exitWhenReady.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(dataDir);
  parser.addOption(exitWhenReady);
  parser.addPositionalArgument("files", "Documents to open.", "[files...]");
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "vek: %s\n", qPrintable(parser.errorText()));
    m_nExitCode = kExitUsage;
    return false;
  }
  if (parser.isSet(helpOption)) {
    std::fputs(qPrintable(parser.helpText()), stdout);
    m_nExitCode = 0;
    return false;
  }
  m_strDataDirOption = parser.value(dataDir);
  m_filesToOpen = parser.positionalArguments();
  m_bExitWhenReady = parser.isSet(exitWhenReady);
  return true;
}

void CVek99App::SetStatusText(const QString& text) {
  if (m_pMainFrame) m_pMainFrame->SetMessageText(text);
}

bool CVek99App::InitInstance(const QStringList& arguments) {
  if (!ParseCommandLine(arguments)) return false;

  // One copy per user: a second start brings the first to the front, silently.
  m_pInstance = std::make_unique<CSingleInstance>(QString("vekmor-%1").arg(getuid()));
  QStringList absoluteFiles;
  for (const QString& file : m_filesToOpen) absoluteFiles << QFileInfo(file).absoluteFilePath();
  if (!m_pInstance->RegisterUniqueInstance(absoluteFiles)) {
    m_nExitCode = 0;
    return false;
  }

  QCoreApplication::setOrganizationName(kSettingsOrganisation);
  QCoreApplication::setApplicationName(kAppTitle);

  m_docTemplates.push_back(std::make_unique<CDocTemplate>(kIdRtfTemplate, kRtfDocString));
  m_docTemplates.push_back(std::make_unique<CDocTemplate>(kIdTextTemplate, kTextDocString));

  m_pMainFrame = std::make_unique<CMainFrame>(*this);
  connect(m_pInstance.get(), &CSingleInstance::activationRequested, m_pMainFrame.get(),
          &CMainFrame::BringToFront);
  connect(m_pInstance.get(), &CSingleInstance::openRequested, m_pMainFrame.get(),
          [this](const QString& path) { m_pMainFrame->DocCommands()->OpenDocumentFile(path); });

  m_folders = ChooseDataFolders(QCoreApplication::applicationDirPath(), m_strDataDirOption,
                                QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
  m_strAppDir = m_folders.strShipped;
  // Our pIqaD typeface, so converted text shows in pIqaD with no font installed.
  if (RegisterPiqadFont(m_strAppDir).isEmpty())
    RegisterPiqadFont(QCoreApplication::applicationDirPath());

  m_pMainFrame->ShowAtStart();

  const QString lexiconPath = QString::fromStdString(DataPath("lexicon.klx"));
  if (!QFileInfo::exists(lexiconPath)) {
    VekMessageBox("Cannot proceed: Lexicon file is missing.\n" + lexiconPath);
    m_nExitCode = kExitFailed;
    return false;
  }
  if (!LoadLexicon()) {
    m_nExitCode = kExitFailed;
    return false;
  }
  LoadPersonalDictionary();
  // A canon file that is missing or damaged leaves the canon empty; the rest
  // of the program works without it.
  m_canonDB.LoadFile(DataPath("canon.klx"));
  for (const QString& file : m_filesToOpen) m_pMainFrame->DocCommands()->OpenDocumentFile(file);
  return true;
}

bool CVek99App::LoadLexicon() {
  CWaitCursor wait;
  SetStatusText("Loading Lexicon...");
  std::string error;
  if (!datafile::LoadLexiconFile(DataPath("lexicon.klx"), m_lexicon, error)) {
    VekMessageBox(QString::fromStdString(error), MsgIcon::Stop);
    return false;
  }
  SetStatusText("Ready");
  return true;
}

void CVek99App::SaveLexicon() {
  CWaitCursor wait;
  SetStatusText("Saving Lexicon...");
  std::string error;
  if (!datafile::SaveLexiconFile(WritableDataPath("lexicon.klx").toStdString(), m_lexicon, error))
    VekMessageBox(QString::fromStdString(error), MsgIcon::Stop);
  SetStatusText("Ready");
}

void CVek99App::LoadPersonalDictionary() {
  const std::string path = DataPath("userdict.txt");
  const QFileInfo info(QString::fromStdString(path));
  // No file is the usual first run: nothing to say.
  if (!info.isFile() || !info.isReadable()) return;
  CWaitCursor wait;
  SetStatusText("Loading Personal Dictionary...");
  datafile::LoadUserDict(path, m_personalDict, &m_bPersonalDictUtf8);
  SetStatusText("Ready");
}

void CVek99App::SavePersonalDictionary() {
  if (m_personalDict.empty()) return;
  CWaitCursor wait;
  SetStatusText("Saving Personal Dictionary...");
  std::string error;
  if (!datafile::SaveUserDict(WritableDataPath("userdict.txt").toStdString(), m_personalDict,
                              error, m_bPersonalDictUtf8))
    VekMessageBox(QString::fromStdString(error));
  SetStatusText("Ready");
}
