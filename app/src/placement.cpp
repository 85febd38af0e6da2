#include "placement.h"

#include <QSettings>
#include <QWidget>
#include <algorithm>

namespace {

constexpr char kSection[] = "Frame";

}  // namespace

CFramePlacement CFramePlacement::Read(QSettings& settings) {
  CFramePlacement p;
  settings.beginGroup(kSection);
  p.nStatus = settings.value("Status", -1).toInt();
  p.nTop = settings.value("Top", -1).toInt();
  p.nLeft = settings.value("Left", -1).toInt();
  p.nBottom = settings.value("Bottom", -1).toInt();
  p.nRight = settings.value("Right", -1).toInt();
  settings.endGroup();
  return p;
}

void CFramePlacement::Write(QSettings& settings) const {
  settings.beginGroup(kSection);
  settings.setValue("Status", nStatus);
  settings.setValue("Top", nTop);
  settings.setValue("Left", nLeft);
  settings.setValue("Bottom", nBottom);
  settings.setValue("Right", nRight);
  settings.endGroup();
}

CFramePlacement CFramePlacement::Of(const QWidget& window, const QRect& workArea) {
  CFramePlacement p;
  if (window.isMaximized())
    p.nStatus = kShowMaximized;
  else if (window.isMinimized())
    p.nStatus = kShowMinimized;
  else
    p.nStatus = kShowNormal;
  QRect normal = window.normalGeometry();
  if (!normal.isValid()) normal = window.geometry();
  p.nLeft = normal.left() - workArea.left();
  p.nTop = normal.top() - workArea.top();
  p.nRight = p.nLeft + normal.width();
  p.nBottom = p.nTop + normal.height();
  return p;
}

bool CFramePlacement::Apply(const QRect& workArea, const QSize& screenSize, QRect& rect,
                            int& showCmd) const {
  if (nStatus == -1 || nTop == -1 || nLeft == -1 || nBottom == -1 || nRight == -1) return false;
  const int width = nRight - nLeft;
  const int height = nBottom - nTop;
  if (width <= 0 || height <= 0) return false;
  // Pull a window that lies off the right or bottom edge back so an icon's
  // width of it shows; likewise off the left edge, and never let the title bar
  // go above the screen, where it could not be grabbed again.
  int x = std::min(nLeft + workArea.left(), screenSize.width() - kIconSize);
  int y = std::min(nTop + workArea.top(), screenSize.height() - kIconSize);
  x = std::max(x, kIconSize - width);
  y = std::max(y, 0);
  rect = QRect(x, y, width, height);
  // A window stored minimised comes back normal: starting as an icon only
  // hides the program.
  showCmd = nStatus == kShowMaximized ? kShowMaximized : kShowNormal;
  return true;
}
