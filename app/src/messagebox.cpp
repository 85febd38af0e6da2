#include "messagebox.h"

#include <QApplication>

#include "appinfo.h"

namespace {

VekMessageHook& Hook() {
  static VekMessageHook hook;
  return hook;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

void SetVekMessageHook(VekMessageHook hook) { Hook() = std::move(hook); }

QMessageBox::StandardButton VekMessageBox(const QString& text, MsgIcon icon,
                                          QMessageBox::StandardButtons buttons, QWidget* parent) {
  if (Hook()) return Hook()(VekMessage{text, icon, buttons});
  if (!parent) parent = QApplication::activeWindow();
  // Without a window manager nothing is active: centre on the main window.
  if (!parent) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->isVisible() && w->inherits("QMainWindow")) parent = w;
  }
  QMessageBox box(ToQt(icon), QString::fromUtf8(kAppTitle), text, buttons, parent);
  // A wait cursor may be up during a load; the box needs the arrow.
  QApplication::setOverrideCursor(Qt::ArrowCursor);
  const int result = box.exec();
  QApplication::restoreOverrideCursor();
  return static_cast<QMessageBox::StandardButton>(result);
}
