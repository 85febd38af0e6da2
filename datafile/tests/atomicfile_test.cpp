#include <cerrno>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "datafile/atomicfile.h"
#include "testutil.h"

using namespace datafile;
using namespace datafile::test;

TEST(AtomicFile, ReplacesOnlyWhenCompleteAndLeavesNoTemporaries) {
  CScratchDir dir;
  const std::string path = dir.File("out.txt");
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(path, std::string("a\0b", 3), error)) << error;
  EXPECT_EQ(ReadAll(path), std::string("a\0b", 3));
  ASSERT_TRUE(SaveFileAtomically(path, "", error)) << error;
  EXPECT_EQ(ReadAll(path), "");
  ASSERT_TRUE(SaveFileAtomically(path, "old", error)) << error;
  {
    CAtomicFile file(path);  // destroyed before Commit: discarded
    ASSERT_TRUE(file.Open(error));
    ASSERT_TRUE(file.Write("half", error));
  }
  EXPECT_EQ(ReadAll(path), "old");

  RenameFunction previous = SetRenameFunction(
      [](const char*, const char*) { return errno = ENOSPC, -1; });
  EXPECT_FALSE(SaveFileAtomically(path, "new", error));
  SetRenameFunction(previous);
  EXPECT_NE(error.find(path), std::string::npos) << error;
  EXPECT_NE(error.find("No space left"), std::string::npos) << error;
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(dir.Listing(), "out.txt");

  EXPECT_FALSE(SaveFileAtomically(dir.File("none/out.txt"), "x", error));
  EXPECT_NE(error.find(dir.File("none")), std::string::npos) << error;
  EXPECT_FALSE(SaveFileAtomically(dir.path, "x", error));
  EXPECT_NE(error.find("folder"), std::string::npos) << error;
  EXPECT_FALSE(SaveFileAtomically("/proc/version", "x", error));
  EXPECT_EQ(dir.Listing(), "out.txt");
}

// A crash between writing and renaming: the old file is still whole and only
// a stray temporary file shows that a save was under way.
TEST(AtomicFileDeathTest, CrashBeforeRenameKeepsOldFile) {
  CScratchDir dir;
  const std::string path = dir.File("out.txt");
  WriteAll(path, "old");
  EXPECT_EXIT(
      {
        SetRenameFunction([](const char*, const char*) -> int { _exit(3); });
        std::string error;
        SaveFileAtomically(path, std::string(100000, 'n'), error);
      },
      ::testing::ExitedWithCode(3), "");
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(dir.Listing().rfind("out.txt out.txt.tmp-", 0), 0u) << dir.Listing();

  // The next save of that file clears the abandoned temporary, but never the
  // one of a save still under way.
  const std::string abandoned = dir.Listing();
  CAtomicFile live(path);
  std::string error;
  ASSERT_TRUE(live.Open(error)) << error;
  const std::string during = dir.Listing();
  EXPECT_NE(during, abandoned);
  EXPECT_EQ(during.size(), abandoned.size()) << during;
  ASSERT_TRUE(SaveFileAtomically(path, "new", error)) << error;
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(dir.Listing(), during);
  live.Discard();
  EXPECT_EQ(dir.Listing(), "out.txt");
}

// A writer killed at any moment leaves the complete old or the complete new
// file, never a mixture or a shortened one.
TEST(AtomicFile, KilledSavesLeaveOldOrNewFile) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  const std::string a(300000, 'a'), b(200000, 'b');
  WriteAll(path, a);
  std::mt19937 random(7);
  for (int kill = 0; kill < 40; ++kill) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::string error;
      for (int i = 0;; ++i) SaveFileAtomically(path, i % 2 ? a : b, error);
    }
    usleep(std::uniform_int_distribution<useconds_t>(0, 20000)(random));
    ::kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    const std::string now = ReadAll(path);
    ASSERT_TRUE(now == a || now == b) << "size " << now.size() << " after kill " << kill;
  }
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(path, "done", error)) << error;
  EXPECT_EQ(dir.Listing(), "lexicon.klx");
}

// A write that fails part of the way, as on a full disk (here the file-size
// limit of the process): reported with the system's reason, old file kept.
TEST(AtomicFileDeathTest, FailedWriteIsReportedAndKeepsOldFile) {
  CScratchDir dir;
  const std::string path = dir.File("out.txt");
  WriteAll(path, "old");
  EXPECT_EXIT(
      {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit;
        limit.rlim_cur = limit.rlim_max = 4096;
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool bSaved = SaveFileAtomically(path, std::string(100000, 'n'), error);
        _exit(!bSaved && error == "Unable to write " + path + ": File too large" ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadAll(path), "old");
  EXPECT_EQ(dir.Listing(), "out.txt");
}

TEST(AtomicFile, KeepsPermissionsAndWritesThroughLinks) {
  CScratchDir dir;
  const std::string path = dir.File("private.txt");
  WriteAll(path, "old");
  ASSERT_EQ(chmod(path.c_str(), 0640), 0);
  ASSERT_EQ(symlink("private.txt", dir.File("link.txt").c_str()), 0);
  std::string error;
  ASSERT_TRUE(SaveFileAtomically(dir.File("link.txt"), "new", error)) << error;
  struct stat st;
  ASSERT_EQ(lstat(dir.File("link.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadAll(path), "new");
  EXPECT_EQ(dir.Listing(), "link.txt private.txt");
}

TEST(ReadFileBytes, ReadsRegularFilesOnly) {
  CScratchDir dir;
  std::string out = "unchanged", error;
  const std::string bytes(200000, '\xff');
  WriteAll(dir.File("data"), bytes);
  ASSERT_TRUE(ReadFileBytes(dir.File("data"), out, error)) << error;
  EXPECT_EQ(out, bytes);

  out = "unchanged";
  EXPECT_FALSE(ReadFileBytes(dir.File("missing"), out, error));
  EXPECT_NE(error.find("No such file"), std::string::npos) << error;
  EXPECT_FALSE(ReadFileBytes(dir.path, out, error));
  EXPECT_NE(error.find("folder"), std::string::npos) << error;
  // A pipe with no writer would block a plain open forever.
  ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0600), 0);
  EXPECT_FALSE(ReadFileBytes(dir.File("pipe"), out, error));
  EXPECT_NE(error.find("not a regular file"), std::string::npos) << error;
  // A caller's own limit, below the library's.
  EXPECT_TRUE(ReadFileBytes(dir.File("data"), out, error, 200000)) << error;
  out = "unchanged";
  EXPECT_FALSE(ReadFileBytes(dir.File("data"), out, error, 199999));
  EXPECT_NE(error.find("too large"), std::string::npos) << error;
  EXPECT_EQ(out, "unchanged");
}
