#include "testenv.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include "datafile/lexiconfile.h"
#include "mainframe.h"
#include "vekapp.h"

CMessageLog::CMessageLog(QMessageBox::StandardButton answer) {
  SetVekMessageHook([this, answer](const VekMessage& m) {
    m_messages.push_back(m);
    CVek99App* app = VekApp();
    m_statusAtMessage << (app && app->GetMainFrame() ? app->GetMainFrame()->GetMessageText()
                                                     : QString());
    return answer;
  });
}

CMessageLog::~CMessageLog() { SetVekMessageHook({}); }

QStringList CMessageLog::Texts() const {
  QStringList texts;
  for (const VekMessage& m : m_messages) texts << m.strText;
  return texts;
}

bool WriteTestLexicon(const QString& path) {
  CKLex lex;
  CKWord word;
  word.m_strWord = "tlhIngan";
  word.m_strDefinition = "Klingon";
  word.m_nPos = kPosNoun;
  lex.Add(word);
  word.m_strWord = "yaj";
  word.m_strDefinition = "understand";
  word.m_nPos = kPosVerb;
  lex.Add(word);
  std::string error;
  return datafile::SaveLexiconFile(path.toStdString(), lex, error);
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList FilesBelow(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(dir).relativeFilePath(it.next());
  files.sort();
  return files;
}

QString ConfigDir() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }

void ClearSettings() { QDir(ConfigDir() + "/Halden").removeRecursively(); }
