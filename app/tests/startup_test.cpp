#include <QDir>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "canon/entrydb.h"
#include "mainframe.h"
#include "testenv.h"
#include "vekapp.h"

namespace {

class StartupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(m_data.isValid());
    ClearSettings();
  }
  QString Data(const char* name) const { return m_data.filePath(name); }
  QStringList Args() const { return {"vek", "--data-dir", m_data.path()}; }

  QTemporaryDir m_data;
};

TEST_F(StartupTest, MissingLexiconEndsAfterTheMessageAndWritesNothing) {
  CMessageLog log;
  bool shownBeforeMessage = false;
  SetVekMessageHook([&](const VekMessage& m) {
    log.m_messages.push_back(m);
    shownBeforeMessage = VekApp()->GetMainFrame() && VekApp()->GetMainFrame()->isVisible();
    return QMessageBox::Ok;
  });
  {
    CVek99App app;
    EXPECT_FALSE(app.InitInstance(Args()));
    EXPECT_EQ(app.ExitCode(), 1);
  }
  EXPECT_EQ(log.Texts(), QStringList{"Cannot proceed: Lexicon file is missing."});
  EXPECT_TRUE(shownBeforeMessage);
  EXPECT_TRUE(FilesBelow(m_data.path()).isEmpty());
  EXPECT_FALSE(QDir(ConfigDir() + "/Halden").exists());
}

TEST_F(StartupTest, DamagedLexiconFailsCleanly) {
  ASSERT_TRUE(WriteTestLexicon(Data("good.klx")));
  const QByteArray good = ReadFile(Data("good.klx"));
  QFile::remove(Data("good.klx"));
  QByteArray flipped = good;
  flipped[flipped.size() / 2] = flipped[flipped.size() / 2] ^ 0x5A;
  const QList<QByteArray> damaged = {
      QByteArray(), QByteArray("not a lexicon at all"), good.left(good.size() - 8),
      good.left(13), flipped, QByteArray(4096, '\xFF')};
  for (const QByteArray& bytes : damaged) {
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

TEST_F(StartupTest, LoadsTheDataFilesAndStoresOnClose) {
  ASSERT_TRUE(WriteTestLexicon(Data("lexicon.klx")));
  ASSERT_TRUE(WriteFile(Data("userdict.txt"), "Qo'noS\n\nqaStaHvIS\n"));
  CEntryDB canon;
  canon.Add({"Qapla'", "Success!", "TKD"});
  ASSERT_TRUE(canon.SaveFile(Data("canon.klx").toStdString()));

  CMessageLog log;
  CVek99App app;
  ASSERT_TRUE(app.InitInstance(Args()));
  EXPECT_TRUE(log.m_messages.empty()) << log.Texts().join('|').toStdString();
  EXPECT_EQ(app.GetAppDir(), m_data.path() + '/');
  EXPECT_EQ(app.m_lexicon.GetCount(), 2u);
  EXPECT_NE(app.m_lexicon.Lookup("yaj"), nullptr);
  EXPECT_EQ(app.m_personalDict, (CStringList{"Qo'noS", "", "qaStaHvIS"}));
  EXPECT_EQ(app.m_canonDB.GetCount(), 1u);
  CMainFrame* frame = app.GetMainFrame();
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(frame->GetMessageText(), "Ready");
  EXPECT_TRUE(frame->MdiArea()->subWindowList().isEmpty());

  app.m_personalDict.push_back("Qapla'");
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(ReadFile(Data("userdict.txt")), "Qo'noS\n\nqaStaHvIS\nQapla'\n");
  QSettings settings("Halden", "Vekmor for Windows 2.1");
  for (const char* key : {"Status", "Top", "Left", "Bottom", "Right"})
    EXPECT_TRUE(settings.contains(QString("Frame/") + key)) << key;
  EXPECT_EQ(settings.value("Frame/Status").toInt(), 1);
}

// A document window whose user answers Cancel to the question about saving.
class CStubbornView : public QWidget {
 protected:
  void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

TEST_F(StartupTest, CancelledCloseStillStoresPlacementAndDictionary) {
  ASSERT_TRUE(WriteTestLexicon(Data("lexicon.klx")));
  CMessageLog log;
  CVek99App app;
  ASSERT_TRUE(app.InitInstance(Args()));
  CMainFrame* frame = app.GetMainFrame();
  frame->MdiArea()->addSubWindow(new CStubbornView)->show();
  app.m_personalDict.push_back("jIH");
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  EXPECT_EQ(ReadFile(Data("userdict.txt")), "jIH\n");
  QSettings settings("Halden", "Vekmor for Windows 2.1");
  EXPECT_TRUE(settings.contains("Frame/Right"));
}

TEST_F(StartupTest, StartsWithoutPersonalDictionaryOrCanonAndCreatesNone) {
  ASSERT_TRUE(WriteTestLexicon(Data("lexicon.klx")));
  ASSERT_TRUE(WriteFile(Data("canon.klx"), "damaged"));
  CMessageLog log;
  {
    CVek99App app;
    ASSERT_TRUE(app.InitInstance(Args()));
    EXPECT_TRUE(app.m_personalDict.empty());
    EXPECT_EQ(app.m_canonDB.GetCount(), 0u);
    EXPECT_TRUE(app.GetMainFrame()->close());
  }
  EXPECT_TRUE(log.m_messages.empty());
  EXPECT_EQ(FilesBelow(m_data.path()), (QStringList{"canon.klx", "lexicon.klx"}));
}

TEST_F(StartupTest, BadOptionEndsWithUsageCode) {
  CMessageLog log;
  CVek99App app;
  EXPECT_FALSE(app.InitInstance({"vek", "--no-such-option"}));
  EXPECT_EQ(app.ExitCode(), 2);
  EXPECT_EQ(app.GetMainFrame(), nullptr);
}

}  // namespace
