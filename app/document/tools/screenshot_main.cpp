// Starts the program with the documents named on the command line, tiles
// their windows and writes a picture of the screen with ImageMagick's import:
//   vekdoc_screenshot OUT.png --data-dir DIR FILE...
// Not built by default: cmake --build BUILD --target vekdoc_screenshot
#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QProcess>
#include <QTimer>
#include <cstdio>

#include "doccommands.h"
#include "mainframe.h"
#include "vekapp.h"
#include "vekview.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QStringList arguments = QApplication::arguments();
  if (arguments.size() < 2) {
    std::fputs("usage: vekdoc_screenshot OUT.png [vek arguments]\n", stderr);
    return 2;
  }
  const QString out = arguments.takeAt(1);
  CVek99App app;
  if (!app.InitInstance(arguments)) return app.ExitCode();
  CMainFrame* frame = app.GetMainFrame();
  frame->showMaximized();
  frame->Action("ID_WINDOW_TILE_HORZ")->trigger();
  // Select a word of the first document so the font boxes show its format.
  const QList<QMdiSubWindow*> windows = frame->MdiArea()->subWindowList();
  if (!windows.isEmpty()) {
    frame->MdiArea()->setActiveSubWindow(windows.first());
    if (CVek99View* view = frame->DocCommands()->ActiveView()) {
      view->moveCursor(QTextCursor::Start);
      view->moveCursor(QTextCursor::Down);
      view->moveCursor(QTextCursor::NextWord);
      view->moveCursor(QTextCursor::NextWord);
      view->moveCursor(QTextCursor::NextWord);
      view->moveCursor(QTextCursor::EndOfWord, QTextCursor::KeepAnchor);
    }
  }
  int result = 1;
  QTimer::singleShot(1500, [&] {
    result = QProcess::execute("import", {"-window", "root", out});
    frame->MdiArea()->closeAllSubWindows();
    qapp.quit();
  });
  QApplication::exec();
  return result;
}
