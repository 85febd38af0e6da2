#pragma once
// The main window's placement as stored in the settings: section "Frame",
// values "Status", "Top", "Left", "Bottom", "Right", the rectangle relative to
// the top-left corner of the desktop work area.
#include <QRect>
#include <QSize>

class QSettings;
class QWidget;

// Show commands as stored.
enum : int { kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3 };

// Every part of the window that must stay on screen is at least an icon wide.
inline constexpr int kIconSize = 32;

struct CFramePlacement {
  int nStatus = -1;
  int nTop = -1;
  int nLeft = -1;
  int nBottom = -1;
  int nRight = -1;

  static CFramePlacement Read(QSettings& settings);
  void Write(QSettings& settings) const;

  // The placement of a shown window; `workArea` is the desktop's.
  static CFramePlacement Of(const QWidget& window, const QRect& workArea);

  // Where the window goes on a desktop with this work area and screen size.
  // False, and nothing changed, when any value is -1 or the rectangle is
  // empty: the window then keeps its default place.
  bool Apply(const QRect& workArea, const QSize& screenSize, QRect& rect, int& showCmd) const;
};
