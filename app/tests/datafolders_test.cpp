// Where the program reads its shipped data and where it writes the user's files.
#include "datafolders.h"
#include "mainframe.h"
#include "testenv.h"

namespace {

constexpr QFile::Permissions kReadOnlyFolder =
    QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
    QFile::ExeOther;
constexpr QFile::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

// prefix/bin and prefix/share/vekmor, a lexicon where a case puts it.
class DataFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_prefix.isValid());
    ASSERT_TRUE(QDir(m_prefix.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(m_prefix.path()).mkpath("share/vekmor"));
    ASSERT_TRUE(QDir(m_prefix.path()).mkpath("other"));
  }
  void TearDown() override {
    for (const char* dir : {"bin", "share/vekmor", "other"})
      QFile::setPermissions(Path(dir), kWritableFolder);
  }
  QString Path(const QString& rel) const { return m_prefix.filePath(rel); }
  QString Dir(const QString& rel) const { return rel.isEmpty() ? QString() : Path(rel) + '/'; }

  QTemporaryDir m_prefix;
};

TEST_F(DataFoldersTest, ShippedFolderOrderAndWhereTheUserFilesGo) {
  struct Case {
    const char* what;
    bool besideProgram, installed;
    const char* option;  // --data-dir, relative to the prefix
    const char* readOnly;
    const char* shipped;
    const char* user;  // "" for the user's data location
  };
  const Case cases[] = {
      {"build folder", true, true, "", "", "bin", "bin"},
      {"read-only program folder", true, false, "", "bin", "bin", ""},
      {"installed", false, true, "", "", "share/vekmor", ""},
      {"installed, even when writable", false, true, "", "", "share/vekmor", ""},
      {"installed, read-only", false, true, "", "share/vekmor", "share/vekmor", ""},
      {"--data-dir wins over the program folder", true, true, "other", "", "other", "other"},
      {"read-only --data-dir", false, true, "other", "other", "other", ""},
      {"no lexicon anywhere", false, false, "", "", "bin", "bin"},
  };
  const QString userLocation = Path("home/data");
  for (const Case& c : cases) {
    QFile::remove(Path("bin/lexicon.klx"));
    QFile::remove(Path("share/vekmor/lexicon.klx"));
    if (c.besideProgram) {
      ASSERT_TRUE(WriteFile(Path("bin/lexicon.klx"), "x"));
    }
    if (c.installed) {
      ASSERT_TRUE(WriteFile(Path("share/vekmor/lexicon.klx"), "x"));
    }
    for (const char* dir : {"bin", "share/vekmor", "other"})
      QFile::setPermissions(Path(dir), QString(dir) == c.readOnly ? kReadOnlyFolder : kWritableFolder);
    const CDataFolders folders =
        ChooseDataFolders(Path("bin"), *c.option ? Path(c.option) : QString(), userLocation);
    EXPECT_EQ(folders.strShipped, Dir(c.shipped)) << c.what;
    EXPECT_EQ(folders.strUser, *c.user ? Dir(c.user) : userLocation + '/') << c.what;
  }
}

TEST_F(DataFoldersTest, TheUsersCopyIsMadeOnFirstUseAndReadFromThen) {
  const CDataFolders folders{Path("share/vekmor") + '/', Path("home/data") + '/'};
  ASSERT_TRUE(WriteFile(Path("share/vekmor/robot-rules.txt"), "robot-rules 1\n"));
  QFile::setPermissions(Path("share/vekmor/robot-rules.txt"), QFile::ReadOwner);
  EXPECT_EQ(DataFileToRead(folders, "robot-rules.txt"), Path("share/vekmor/robot-rules.txt"));

  EXPECT_EQ(WritableDataPath(folders, "robot-rules.txt"), Path("home/data/robot-rules.txt"));
  EXPECT_EQ(ReadFile(Path("home/data/robot-rules.txt")), "robot-rules 1\n");
  EXPECT_TRUE(QFileInfo(Path("home/data/robot-rules.txt")).permissions() & QFile::WriteOwner);
  EXPECT_EQ(DataFileToRead(folders, "robot-rules.txt"), Path("home/data/robot-rules.txt"));

  // The user's copy is kept, not copied over again.
  ASSERT_TRUE(WriteFile(Path("home/data/robot-rules.txt"), "mine"));
  WritableDataPath(folders, "robot-rules.txt");
  EXPECT_EQ(ReadFile(Path("home/data/robot-rules.txt")), "mine");
  // Nothing shipped, nothing copied.
  EXPECT_EQ(WritableDataPath(folders, "userdict.txt"), Path("home/data/userdict.txt"));
  EXPECT_FALSE(QFileInfo::exists(Path("home/data/userdict.txt")));
  EXPECT_EQ(FilesBelow(Path("home/data")), QStringList{"robot-rules.txt"});
}

// The program on a read-only data folder: every save goes to the user's data
// location, and the data folder stays as it was.
TEST_F(AppTest, ReadOnlyDataFolderIsNeverWritten) {
  ASSERT_TRUE(WriteFile(Data("robot-rules.txt"), "robot-rules 1\n"));
  ASSERT_TRUE(WriteFile(Data("userdict.txt"), "Qo'noS\n"));
  const QByteArray lexicon = ReadFile(Data("lexicon.klx"));
  ASSERT_TRUE(QFile::setPermissions(m_data.path(), kReadOnlyFolder));
  Start();
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  EXPECT_TRUE(user.startsWith(qEnvironmentVariable("XDG_DATA_HOME") + '/')) << user.toStdString();
  EXPECT_EQ(m_app.GetAppDir(), m_data.path() + '/');
  EXPECT_EQ(m_app.GetUserDir(), user + '/');
  EXPECT_EQ(m_app.m_personalDict, CStringList{"Qo'noS"});

  m_app.m_personalDict.push_back("Qapla'");
  m_app.SaveLexicon();
  EXPECT_EQ(QFileInfo(m_app.WritableDataPath("robot-rules.txt")).path(), user);
  EXPECT_TRUE(m_frame->close());
  EXPECT_TRUE(m_log.m_messages.empty()) << m_log.Texts().join('|').toStdString();

  EXPECT_EQ(FilesBelow(m_data.path()), (QStringList{"lexicon.klx", "robot-rules.txt", "userdict.txt"}));
  EXPECT_EQ(ReadFile(Data("lexicon.klx")), lexicon);
  EXPECT_EQ(ReadFile(Data("userdict.txt")), "Qo'noS\n");
  EXPECT_EQ(FilesBelow(user), (QStringList{"lexicon.klx", "robot-rules.txt", "userdict.txt"}));
  EXPECT_EQ(ReadFile(user + "/userdict.txt"), "Qo'noS\nQapla'\n");
  EXPECT_EQ(ReadFile(user + "/robot-rules.txt"), "robot-rules 1\n");
  // The next start reads the user's copies.
  EXPECT_EQ(m_app.DataPath("userdict.txt"), (user + "/userdict.txt").toStdString());
  EXPECT_EQ(m_app.DataPath("lexicon.klx"), (user + "/lexicon.klx").toStdString());
  QFile::setPermissions(m_data.path(), kWritableFolder);
  QDir(user).removeRecursively();
}

}  // namespace
