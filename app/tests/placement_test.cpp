#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "mainframe.h"
#include "placement.h"
#include "testenv.h"
#include "vekapp.h"

namespace {

const QRect kWorkArea(0, 24, 1280, 776);  // a panel along the top
const QSize kScreen(1280, 800);

CFramePlacement Stored(int status, int top, int left, int bottom, int right) {
  CFramePlacement p;
  p.nStatus = status;
  p.nTop = top;
  p.nLeft = left;
  p.nBottom = bottom;
  p.nRight = right;
  return p;
}

TEST(PlacementTest, AnyMinusOneIgnoresThePlacementAsAWhole) {
  const QRect before(1, 2, 3, 4);
  for (int i = 0; i < 5; ++i) {
    int v[5] = {1, 100, 50, 500, 650};
    v[i] = -1;
    QRect rect = before;
    int showCmd = 7;
    EXPECT_FALSE(Stored(v[0], v[1], v[2], v[3], v[4]).Apply(kWorkArea, kScreen, rect, showCmd))
        << i;
    EXPECT_EQ(rect, before);
    EXPECT_EQ(showCmd, 7);
  }
  // Other negative values are real positions.
  QRect rect;
  int showCmd = 0;
  EXPECT_TRUE(Stored(1, -2, -3, 400, 500).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_EQ(rect, QRect(-3, 22, 503, 402));
}

TEST(PlacementTest, RectangleIsRelativeToTheWorkArea) {
  QRect rect;
  int showCmd = 0;
  ASSERT_TRUE(Stored(3, 100, 50, 500, 650).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_EQ(rect, QRect(50, 124, 600, 400));
  EXPECT_EQ(showCmd, kShowMaximized);
}

TEST(PlacementTest, WindowOffScreenIsPulledBackAnIconWide) {
  QRect rect;
  int showCmd = 0;
  ASSERT_TRUE(Stored(1, 5000, 9000, 5300, 9400).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_EQ(rect, QRect(1280 - kIconSize, 800 - kIconSize, 400, 300));
  ASSERT_TRUE(Stored(1, -900, -9000, -600, -8600).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_EQ(rect.right() + 1, kIconSize);
  EXPECT_EQ(rect.top(), 0);
  EXPECT_EQ(rect.size(), QSize(400, 300));
}

TEST(PlacementTest, MinimisedComesBackNormalAndEmptyRectanglesAreIgnored) {
  QRect rect;
  int showCmd = 0;
  ASSERT_TRUE(Stored(kShowMinimized, 10, 10, 310, 410).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_EQ(showCmd, kShowNormal);
  EXPECT_FALSE(Stored(1, 10, 400, 310, 400).Apply(kWorkArea, kScreen, rect, showCmd));
  EXPECT_FALSE(Stored(1, 300, 10, 100, 410).Apply(kWorkArea, kScreen, rect, showCmd));
}

TEST(PlacementTest, ClosedWindowComesBackWhereItWas) {
  ClearSettings();
  QTemporaryDir data;
  ASSERT_TRUE(WriteTestLexicon(data.filePath("lexicon.klx")));
  const QStringList args = {"vek", "--data-dir", data.path()};
  const QRect workArea = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect placed(workArea.left() + 40, workArea.top() + 30, 500, 350);
  {
    CMessageLog log;
    CVek99App app;
    ASSERT_TRUE(app.InitInstance(args));
    app.GetMainFrame()->setGeometry(placed);
    ASSERT_TRUE(app.GetMainFrame()->close());
  }
  QSettings settings("Halden", "Vekmor for Windows 2.1");
  EXPECT_EQ(settings.value("Frame/Left").toInt(), 40);
  EXPECT_EQ(settings.value("Frame/Top").toInt(), 30);
  EXPECT_EQ(settings.value("Frame/Right").toInt(), 540);
  EXPECT_EQ(settings.value("Frame/Bottom").toInt(), 380);
  {
    CMessageLog log;
    CVek99App app;
    ASSERT_TRUE(app.InitInstance(args));
    EXPECT_EQ(app.GetMainFrame()->geometry(), placed);
    EXPECT_FALSE(app.GetMainFrame()->isMaximized());
  }
  // One value missing: the window takes its default place instead.
  settings.setValue("Frame/Top", -1);
  settings.sync();
  {
    CMessageLog log;
    CVek99App app;
    ASSERT_TRUE(app.InitInstance(args));
    EXPECT_NE(app.GetMainFrame()->geometry(), placed);
    EXPECT_TRUE(workArea.contains(app.GetMainFrame()->geometry()));
  }
}

}  // namespace
