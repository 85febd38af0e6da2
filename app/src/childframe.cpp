#include "childframe.h"

#include "icons.h"

CChildFrame::CChildFrame(const QString& title, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(view);
  setWindowTitle(title);
  // Shown in the menu bar while the window is maximised.
  setWindowIcon(AppIcon());
}
