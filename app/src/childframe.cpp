#include "childframe.h"

CChildFrame::CChildFrame(const QString& title, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(view);
  setWindowTitle(title);
}
