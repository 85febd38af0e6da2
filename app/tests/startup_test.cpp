
#include "canon/entrydb.h"
#include "mainframe.h"
#include "testenv.h"

namespace {

using StartupTest = AppTest;

TEST_F(StartupTest, MissingLexiconEndsAfterTheMessageAndWritesNothing) {
  QFile::remove(Data("lexicon.klx"));
  EXPECT_FALSE(m_app.InitInstance(Args()));
  EXPECT_EQ(m_app.ExitCode(), 1);
  // The text stays; the second line says where the program looked.
  EXPECT_EQ(m_log.Texts(), QStringList{"Cannot proceed: Lexicon file is missing.\n" +
                                       QDir(m_data.path()).filePath("lexicon.klx")});
  // The window already shows (its status is empty while hidden).
  EXPECT_FALSE(m_log.m_statusAtMessage.value(0).isEmpty());
  EXPECT_TRUE(FilesBelow(m_data.path()).isEmpty());
  EXPECT_FALSE(QDir(ConfigDir() + "/Halden").exists());
}

TEST_F(StartupTest, DamagedLexiconFailsCleanly) {
  const QByteArray good = ReadFile(Data("lexicon.klx"));
  QByteArray flipped = good;
  flipped[flipped.size() / 2] = flipped[flipped.size() / 2] ^ 0x5A;
  for (const QByteArray& bytes : {QByteArray(), QByteArray("not a lexicon at all"),
                                  good.left(good.size() - 8), good.left(13), flipped,
                                  QByteArray(4096, '\xFF')}) {
    ASSERT_TRUE(WriteFile(Data("lexicon.klx"), bytes));
    CMessageLog log;
    {
      CVek99App app;
      EXPECT_FALSE(app.InitInstance(Args())) << bytes.size();
      EXPECT_EQ(app.ExitCode(), 1);
      EXPECT_TRUE(app.m_lexicon.IsEmpty());
    }
    ASSERT_EQ(log.m_messages.size(), 1u) << bytes.size();
    EXPECT_FALSE(log.m_messages[0].strText.isEmpty());
    // The failure comes during the load, with its status text up.
    EXPECT_EQ(log.m_statusAtMessage[0], "Loading Lexicon...");
    EXPECT_EQ(FilesBelow(m_data.path()), QStringList{"lexicon.klx"});
    EXPECT_EQ(ReadFile(Data("lexicon.klx")), bytes);
    EXPECT_FALSE(QDir(ConfigDir() + "/Halden").exists());
  }
}

// A document window whose user answers Cancel to the question about saving.
class CStubbornView : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

TEST_F(StartupTest, LoadsTheDataFilesAndStoresThemOnEveryClose) {
  ASSERT_TRUE(WriteFile(Data("userdict.txt"), "Qo'noS\n\nqaStaHvIS\n"));
  CEntryDB canon;
  canon.Add({"Qapla'", "Success!", "TKD"});
  ASSERT_TRUE(canon.SaveFile(Data("canon.klx").toStdString()));
  Start();
  EXPECT_TRUE(m_log.m_messages.empty()) << m_log.Texts().join('|').toStdString();
  EXPECT_EQ(m_app.GetAppDir(), m_data.path() + '/');
  EXPECT_EQ(m_app.m_lexicon.GetCount(), 2u);
  EXPECT_NE(m_app.m_lexicon.Lookup("yaj"), nullptr);
  EXPECT_EQ(m_app.m_personalDict, (CStringList{"Qo'noS", "", "qaStaHvIS"}));
  EXPECT_EQ(m_app.m_canonDB.GetCount(), 1u);
  EXPECT_TRUE(m_frame->isVisible());
  EXPECT_EQ(m_frame->GetMessageText(), "Ready");
  EXPECT_TRUE(m_frame->MdiArea()->subWindowList().isEmpty());

  // A cancelled close still stores the dictionary and the placement.
  QMdiSubWindow* stubborn = m_frame->MdiArea()->addSubWindow(new CStubbornView);
  stubborn->show();
  m_app.m_personalDict.push_back("Qapla'");
  EXPECT_FALSE(m_frame->close());
  EXPECT_TRUE(m_frame->isVisible());
  EXPECT_EQ(ReadFile(Data("userdict.txt")), "Qo'noS\n\nqaStaHvIS\nQapla'\n");
  QSettings settings("Halden", "Vekmor for Windows 2.1");
  for (const char* key : {"Status", "Top", "Left", "Bottom", "Right"})
    EXPECT_TRUE(settings.contains(QString("Frame/") + key)) << key;
  EXPECT_EQ(settings.value("Frame/Status").toInt(), 1);
  delete stubborn;
  m_app.m_personalDict.push_back("jIH");
  EXPECT_TRUE(m_frame->close());
  EXPECT_EQ(ReadFile(Data("userdict.txt")), "Qo'noS\n\nqaStaHvIS\nQapla'\njIH\n");
}

TEST_F(StartupTest, StartsWithoutPersonalDictionaryOrCanonAndCreatesNone) {
  ASSERT_TRUE(WriteFile(Data("canon.klx"), "damaged"));
  Start();
  EXPECT_TRUE(m_app.m_personalDict.empty());
  EXPECT_EQ(m_app.m_canonDB.GetCount(), 0u);
  EXPECT_TRUE(m_frame->close());
  EXPECT_TRUE(m_log.m_messages.empty());
  EXPECT_EQ(FilesBelow(m_data.path()), (QStringList{"canon.klx", "lexicon.klx"}));
}

TEST_F(StartupTest, BadOptionEndsWithUsageCode) {
  EXPECT_FALSE(m_app.InitInstance({"vek", "--no-such-option"}));
  EXPECT_EQ(m_app.ExitCode(), 2);
  EXPECT_EQ(m_app.GetMainFrame(), nullptr);
}

}  // namespace
