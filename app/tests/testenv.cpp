#include "testenv.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>


#include "datafile/lexiconfile.h"
#include "wordbank/lextsv.h"
#include "mainframe.h"
#include "vekapp.h"

CMessageLog::CMessageLog(std::deque<QMessageBox::StandardButton> answers)
    : m_answers(std::move(answers)) {
  SetVekMessageHook([this](const VekMessage& m) {
    m_messages.push_back(m);
    const CMainFrame* frame = VekApp() ? VekApp()->GetMainFrame() : nullptr;
    m_statusAtMessage << (frame && frame->isVisible() ? frame->GetMessageText() : QString());
    if (m_answers.empty()) return QMessageBox::Ok;
    const auto answer = m_answers.front();
    m_answers.pop_front();
    return answer;
  });
}

CMessageLog::~CMessageLog() { SetVekMessageHook({}); }

QStringList CMessageLog::Texts() const {
  QStringList texts;
  for (const VekMessage& m : m_messages) texts << m.strText;
  return texts;
}

int RunInChild(const std::function<int()>& fn, int seconds) {
  const pid_t pid = fork();
  if (pid < 0) return -3;
  if (pid == 0) _exit(fn());
  int status = 0;
  for (int i = 0; i < seconds * 20; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid)
      return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
    QThread::msleep(50);
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  return -1;
}

bool WriteTestLexicon(const QString& path) {
  CKLex lex;
  std::string error;
  return wordbank::ReadLexiconTsv("word\tpos\tdefinition\ntlhIngan\tnoun\tKlingon\n"
                                  "yaj\tverb\tunderstand\n", lex, error) &&
         datafile::SaveLexiconFile(path.toStdString(), lex, error);
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

QList<QStringList> FixtureRows(const QString& path) {
  QList<QStringList> rows;
  for (const QString& line : QString::fromUtf8(ReadFile(path)).split('\n', Qt::SkipEmptyParts)) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    QStringList row;
    for (const QString& cell : line.split('|')) row << cell.trimmed();
    rows << row;
  }
  return rows;
}

QList<int> Numbers(const QString& text) {
  QList<int> numbers;
  for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) {
    bool ok = false;
    numbers << word.toInt(&ok);
    if (!ok) return {};
  }
  return numbers;
}

QString ConfigDir() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }

void ClearSettings() { QDir(ConfigDir() + "/Halden").removeRecursively(); }

void AppTest::SetUp() {
  ClearSettings();
  ASSERT_TRUE(m_data.isValid());
  ASSERT_TRUE(WriteTestLexicon(Data("lexicon.klx")));
}

void AppTest::Start(const QStringList& files) {
  ASSERT_TRUE(m_app.InitInstance(Args() + files));
  m_frame = m_app.GetMainFrame();
}

QAction* AppTest::Command(const char* id) const {
  QAction* action = m_frame->Action(id);
  EXPECT_NE(action, nullptr) << id;
  return action;
}

QStringList AppTest::Titles() const {
  QStringList titles;
  for (QMdiSubWindow* w : m_frame->MdiArea()->subWindowList())
    titles << w->windowTitle().remove("[*]");
  return titles;
}
