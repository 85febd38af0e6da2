#include "childframe.h"

#include "icons.h"

CChildFrame::CChildFrame(const QString& title, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(view);
  SetTitle(title);
  // Shown in the menu bar while the window is maximised.
  setWindowIcon(AppIcon());
}

void CChildFrame::SetTitle(const QString& title) {
  QString escaped = title;
  escaped.replace("[*]", "[*][*]");  // a literal "[*]" in a file name stays text
  setWindowTitle(escaped + "[*]");
}

QString CChildFrame::ShownTitle() const {
  QString title = windowTitle();
  title.chop(3);
  title.replace("[*][*]", "[*]");
  return isWindowModified() ? title + '*' : title;
}
