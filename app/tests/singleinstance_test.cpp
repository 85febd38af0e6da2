#include <sys/wait.h>
#include <unistd.h>

#include "singleinstance.h"
#include "testenv.h"

namespace {

TEST(SingleInstanceTest, SecondCopyAsksTheFirstToComeForwardUntilItEnds) {
  const pid_t dead = fork();
  if (dead == 0) _exit(0);
  ASSERT_GT(dead, 0);
  waitpid(dead, nullptr, 0);
  for (bool bStale : {false, true}) {
    QTemporaryDir folder;
    if (bStale) {
      // A lock and a socket file left behind by a process that no longer runs.
      CSingleInstance probe("vek-test", folder.path());
      const QString lock = QString("%1\nvek\n%2\n").arg(dead).arg(QSysInfo::machineHostName());
      ASSERT_TRUE(WriteFile(probe.LockPath(), lock.toUtf8()));
      ASSERT_TRUE(WriteFile(probe.SocketPath(), "stale"));
    }
    {
      CSingleInstance first("vek-test", folder.path());
      ASSERT_TRUE(first.RegisterUniqueInstance()) << bStale;
      EXPECT_TRUE(QFileInfo::exists(first.LockPath()));
      QSignalSpy raised(&first, &CSingleInstance::activationRequested);
      QSignalSpy opened(&first, &CSingleInstance::openRequested);
      CSingleInstance second("vek-test", folder.path());
      const QStringList files = {"/tmp/a b.rtf", QString::fromUtf8("/tmp/Qapla\u2019.txt")};
      EXPECT_FALSE(second.RegisterUniqueInstance(files)) << bStale;
      EXPECT_FALSE(second.IsFirst());
      EXPECT_TRUE(raised.wait(3000)) << bStale;
      EXPECT_EQ(raised.count(), 1);
      for (int i = 0; i < 50 && opened.count() < 2; ++i) opened.wait(100);
      ASSERT_EQ(opened.count(), 2) << bStale;
      EXPECT_EQ(opened.at(0).at(0).toString(), files[0]);
      EXPECT_EQ(opened.at(1).at(0).toString(), files[1]);
      // Another program name is another lock.
      CSingleInstance other("other-test", folder.path());
      EXPECT_TRUE(other.RegisterUniqueInstance());
    }
    CSingleInstance next("vek-test", folder.path());
    EXPECT_TRUE(next.RegisterUniqueInstance()) << bStale;
  }
}

TEST(SingleInstanceTest, RequestHandlerMayRunAModalLoopWhileTheSocketCloses) {
  // The running copy answers a bad file with a message box: its event loop
  // runs while the second copy's connection closes.
  QTemporaryDir folder;
  CSingleInstance first("vek-test", folder.path());
  ASSERT_TRUE(first.RegisterUniqueInstance());
  QStringList opened;
  QObject::connect(&first, &CSingleInstance::openRequested, [&opened](const QString& path) {
    opened << path;
    QEventLoop modal;
    QTimer::singleShot(300, &modal, &QEventLoop::quit);
    modal.exec();
  });
  for (int round = 0; round < 2; ++round) {
    CSingleInstance second("vek-test", folder.path());
    EXPECT_FALSE(second.RegisterUniqueInstance({"/tmp/nope.txt", "/tmp/nope2.txt"}));
    for (int i = 0; i < 40 && opened.size() < 2 * (round + 1); ++i) QTest::qWait(50);
  }
  EXPECT_EQ(opened, (QStringList{"/tmp/nope.txt", "/tmp/nope2.txt", "/tmp/nope.txt",
                                 "/tmp/nope2.txt"}));
}

TEST(SingleInstanceTest, SecondProgramEndsAtOnceAndTheFirstRuns) {
  // The programs share the tests' private runtime and settings folders.
  QTemporaryDir data;
  ASSERT_TRUE(WriteTestLexicon(data.filePath("lexicon.klx")));
  QProcess first, second;
  for (QProcess* p : {&first, &second}) {
    p->setProgram(VEK_BINARY);
    p->setArguments({"--data-dir", data.path()});
  }
  first.start();
  ASSERT_TRUE(first.waitForStarted());
  // The first copy listens once it holds the lock.
  const QString socket =
      QString("%1/vekmor-%2.socket").arg(qEnvironmentVariable("XDG_RUNTIME_DIR")).arg(getuid());
  for (int i = 0; i < 200 && !QFileInfo::exists(socket); ++i) QThread::msleep(50);
  ASSERT_TRUE(QFileInfo::exists(socket)) << first.readAllStandardError().toStdString();

  second.start();
  ASSERT_TRUE(second.waitForFinished(10000));
  EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second.exitCode(), 0);
  EXPECT_EQ(first.state(), QProcess::Running);
  first.terminate();
  EXPECT_TRUE(first.waitForFinished(10000));
}

}  // namespace
