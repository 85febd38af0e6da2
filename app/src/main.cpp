// vek: the Vekmor desktop program.
#include <QApplication>
#include <QTimer>

#include "vekapp.h"

int main(int argc, char* argv[]) {
  QApplication qapp(argc, argv);
  // Ties the windows to the menu entry vekmor.desktop (its name and icon).
  QGuiApplication::setDesktopFileName("vekmor");
  CVek99App app;
  if (!app.InitInstance(QApplication::arguments())) return app.ExitCode();
  if (app.ExitWhenReady()) QTimer::singleShot(0, &qapp, &QCoreApplication::quit);
  return QApplication::exec();
}
