#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "singleinstance.h"
#include "testenv.h"

namespace {

TEST(SingleInstanceTest, SecondCopyAsksTheFirstToComeForward) {
  QTemporaryDir folder;
  CSingleInstance first("vek-test", folder.path());
  ASSERT_TRUE(first.RegisterUniqueInstance());
  QSignalSpy raised(&first, &CSingleInstance::activationRequested);

  CSingleInstance second("vek-test", folder.path());
  EXPECT_FALSE(second.RegisterUniqueInstance());
  EXPECT_FALSE(second.IsFirst());
  EXPECT_TRUE(raised.wait(3000));
  EXPECT_EQ(raised.count(), 1);

  // Another program name is another lock.
  CSingleInstance other("other-test", folder.path());
  EXPECT_TRUE(other.RegisterUniqueInstance());
}

TEST(SingleInstanceTest, LockIsFreedWhenTheFirstEnds) {
  QTemporaryDir folder;
  {
    CSingleInstance first("vek-test", folder.path());
    ASSERT_TRUE(first.RegisterUniqueInstance());
    EXPECT_TRUE(QFileInfo::exists(first.LockPath()));
  }
  CSingleInstance next("vek-test", folder.path());
  EXPECT_TRUE(next.RegisterUniqueInstance());
}

TEST(SingleInstanceTest, LockOfACrashedCopyIsTakenOver) {
  QTemporaryDir folder;
  // A lock and a socket file left behind by a process that no longer runs.
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  waitpid(dead, nullptr, 0);
  CSingleInstance probe("vek-test", folder.path());
  ASSERT_TRUE(WriteFile(probe.LockPath(), QString("%1\nvek\n%2\n")
                                              .arg(dead)
                                              .arg(QSysInfo::machineHostName())
                                              .toUtf8()));
  ASSERT_TRUE(WriteFile(probe.SocketPath(), "stale"));
  CSingleInstance first("vek-test", folder.path());
  ASSERT_TRUE(first.RegisterUniqueInstance());
  QSignalSpy raised(&first, &CSingleInstance::activationRequested);
  CSingleInstance second("vek-test", folder.path());
  EXPECT_FALSE(second.RegisterUniqueInstance());
  EXPECT_TRUE(raised.wait(3000));
}

TEST(SingleInstanceTest, SecondProgramEndsAtOnceAndTheFirstRuns) {
  QTemporaryDir home;
  QDir(home.path()).mkpath("runtime");
  QDir(home.path()).mkpath("config");
  QDir(home.path()).mkpath("data");
  QFile::setPermissions(home.filePath("runtime"),
                        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  ASSERT_TRUE(WriteTestLexicon(home.filePath("data/lexicon.klx")));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("XDG_RUNTIME_DIR", home.filePath("runtime"));
  env.insert("XDG_CONFIG_HOME", home.filePath("config"));
  const QStringList args = {"--data-dir", home.filePath("data")};

  QProcess first;
  first.setProcessEnvironment(env);
  first.start(VEK_BINARY, args);
  ASSERT_TRUE(first.waitForStarted());
  // The first copy listens once it holds the lock.
  const QString socket = home.filePath(QString("runtime/vekmor-%1.socket").arg(getuid()));
  for (int i = 0; i < 200 && !QFileInfo::exists(socket); ++i) QThread::msleep(50);
  ASSERT_TRUE(QFileInfo::exists(socket)) << first.readAllStandardError().toStdString();

  QProcess second;
  second.setProcessEnvironment(env);
  second.start(VEK_BINARY, args);
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);

  first.terminate();
  EXPECT_TRUE(first.waitForFinished(10000));
}

}  // namespace
