#pragma once
// Shared helpers of the program's tests: a private folder per test, message
// boxes captured instead of shown, small data files and a running program.
// Qt's module headers once here, so the tests need none of their own.
#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

#include "messagebox.h"
#include "vekapp.h"

class CMainFrame;

// Captures every message box while it lives and answers them from `answers`
// in turn, Ok once the list is used up.
class CMessageLog {
 public:
  explicit CMessageLog(std::deque<QMessageBox::StandardButton> answers = {});
  ~CMessageLog();
  QStringList Texts() const;
  std::vector<VekMessage> m_messages;
  // The main window's status text at the moment of each message, empty while
  // the window is hidden.
  QStringList m_statusAtMessage;

 private:
  std::deque<QMessageBox::StandardButton> m_answers;
};

// Runs `fn` in a child process and returns its exit code; -1 when the child
// had to be killed after `seconds`, -2 when it died of a signal. The child
// ends with _exit, so nothing of the parent's state runs twice.
int RunInChild(const std::function<int()>& fn, int seconds = 10);

// Writes a small valid lexicon file; returns false on failure.
bool WriteTestLexicon(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);
// Every file below `dir`, relative, sorted.
QStringList FilesBelow(const QString& dir);
// The rows of a fixture file: its lines that are neither empty nor a '#' comment,
// split at '|' and trimmed.
QList<QStringList> FixtureRows(const QString& path);
// The whole numbers of `text`, separated by spaces.
QList<int> Numbers(const QString& text);
// The folder the settings are written to (XDG_CONFIG_HOME of the tests).
QString ConfigDir();
// Removes the program's settings so each test starts from none.
void ClearSettings();

// A data folder holding a small lexicon, no settings, and the program that
// Start() runs on them, its message boxes logged.
class AppTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void Start(const QStringList& files = {});
  QString Data(const QString& name) const { return m_data.filePath(name); }
  QStringList Args() const { return {"vek", "--data-dir", m_data.path()}; }
  QAction* Command(const char* id) const;
  // Titles of the document windows, oldest first.
  QStringList Titles() const;

  QTemporaryDir m_data;
  CMessageLog m_log;
  CVek99App m_app;
  CMainFrame* m_frame = nullptr;
};
