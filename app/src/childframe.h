#pragma once
// The frame of one document window inside the main window. It always opens
// maximised and carries its document's title.
#include <QMdiSubWindow>

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes ownership of `view`.
  CChildFrame(const QString& title, QWidget* view, QWidget* parent = nullptr);
};
