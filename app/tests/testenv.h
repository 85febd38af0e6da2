#pragma once
// Shared helpers of the program's tests: a private folder per test, message
// boxes captured instead of shown, and small data files.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "messagebox.h"

// Captures every message box while it lives and answers each with `answer`.
class CMessageLog {
 public:
  explicit CMessageLog(QMessageBox::StandardButton answer = QMessageBox::Ok);
  ~CMessageLog();
  QStringList Texts() const;
  std::vector<VekMessage> m_messages;
  // The main window's status text at the moment of each message.
  QStringList m_statusAtMessage;
};

// Writes a small valid lexicon file; returns false on failure.
bool WriteTestLexicon(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
// Every file below `dir`, relative, sorted.
QStringList FilesBelow(const QString& dir);
// The folder the settings are written to (XDG_CONFIG_HOME of the tests).
QString ConfigDir();
// Removes the program's settings so each test starts from none.
void ClearSettings();
