#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <functional>

#include "mainframe.h"
#include "placement.h"
#include "testenv.h"

namespace {

TEST(PlacementTest, StoredValuesAreCheckedAndClampedToTheScreen) {
  const QRect workArea(0, 24, 1280, 776);  // a panel along the top
  const QRect untouched(1, 2, 3, 4);
  struct Row {
    CFramePlacement stored;  // status, top, left, bottom, right
    QRect expected;
    int showCmd;
  };
  const Row rows[] = {
      // Any -1 ignores the placement as a whole; other negatives are positions.
      {{-1, 100, 50, 500, 650}, untouched, 7},
      {{1, -1, 50, 500, 650}, untouched, 7},
      {{1, 100, -1, 500, 650}, untouched, 7},
      {{1, 100, 50, -1, 650}, untouched, 7},
      {{1, 100, 50, 500, -1}, untouched, 7},
      {{1, -2, -3, 400, 500}, QRect(-3, 22, 503, 402), kShowNormal},
      // Relative to the work area.
      {{kShowMaximized, 100, 50, 500, 650}, QRect(50, 124, 600, 400), kShowMaximized},
      // Off screen: pulled back an icon wide, the title bar never above the top.
      {{1, 5000, 9000, 5300, 9400}, QRect(1280 - kIconSize, 800 - kIconSize, 400, 300), 1},
      {{1, -900, -9000, -600, -8600}, QRect(kIconSize - 400, 0, 400, 300), 1},
      // Minimised comes back normal; empty rectangles are ignored.
      {{kShowMinimized, 10, 10, 310, 410}, QRect(10, 34, 400, 300), kShowNormal},
      {{1, 10, 400, 310, 400}, untouched, 7},
      {{1, 300, 10, 100, 410}, untouched, 7},
  };
  for (const Row& r : rows) {
    QRect rect = untouched;
    int showCmd = 7;
    const auto row = &r - rows;
    EXPECT_EQ(r.stored.Apply(workArea, QSize(1280, 800), rect, showCmd), r.showCmd != 7) << row;
    EXPECT_EQ(rect, r.expected) << row;
    EXPECT_EQ(showCmd, r.showCmd) << row;
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
