
#include "mainframe.h"
#include "placement.h"
#include "testenv.h"

namespace {

TEST(PlacementTest, StoredValuesAreCheckedAndClampedToTheScreen) {
  const QList<QStringList> rows = FixtureRows(VEK_APP_FIXTURES "/placement.txt");
  ASSERT_EQ(rows.size(), 12);
  for (const QStringList& row : rows) {
    const QList<int> stored = Numbers(row.value(0)), expected = Numbers(row.value(1));
    ASSERT_TRUE(stored.size() == 5 && expected.size() == 4) << row.join('|').toStdString();
    const CFramePlacement placement{stored[0], stored[1], stored[2], stored[3], stored[4]};
    QRect rect(1, 2, 3, 4);
    int showCmd = 7;
    const int expectedShow = row.value(2).toInt();
    EXPECT_EQ(placement.Apply(QRect(0, 24, 1280, 776), QSize(1280, 800), rect, showCmd),
              expectedShow != 7) << row.join('|').toStdString();
    EXPECT_EQ(rect, QRect(expected[0], expected[1], expected[2], expected[3]))
        << row.join('|').toStdString();
    EXPECT_EQ(showCmd, expectedShow) << row.join('|').toStdString();
  }
}

TEST(PlacementTest, ClosedWindowComesBackWhereItWas) {
  ClearSettings();
  QTemporaryDir data;
  ASSERT_TRUE(WriteTestLexicon(data.filePath("lexicon.klx")));
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect placed(workArea.left() + 40, workArea.top() + 30, 500, 350);
  const auto run = [&](const std::function<void(CMainFrame&)>& check) {
    CMessageLog log;
    CVek99App app;
    ASSERT_TRUE(app.InitInstance({"vek", "--data-dir", data.path()}));
    check(*app.GetMainFrame());
  };
  run([&](CMainFrame& frame) {
    frame.setGeometry(placed);
    ASSERT_TRUE(frame.close());
  });
  QSettings settings("Halden", "Vekmor for Windows 2.1");
  for (const auto& [key, value] : {std::pair{"Frame/Left", 40}, {"Frame/Top", 30},
                                   {"Frame/Right", 540}, {"Frame/Bottom", 380}})
    EXPECT_EQ(settings.value(key).toInt(), value) << key;
  run([&](CMainFrame& frame) {
    EXPECT_EQ(frame.geometry(), placed);
    EXPECT_FALSE(frame.isMaximized());
  });
  // One value missing: the window takes its default place instead.
  settings.setValue("Frame/Top", -1);
  settings.sync();
  run([&](CMainFrame& frame) {
    EXPECT_NE(frame.geometry(), placed);
    EXPECT_TRUE(workArea.contains(frame.geometry()));
  });
}

}  // namespace
