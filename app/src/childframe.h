#pragma once
// The frame of one document window inside the main window. It always opens
// maximised and carries its document's title, with "*" while it is unsaved.
#include <QMdiSubWindow>

class CChildFrame : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes ownership of `view`.
  CChildFrame(const QString& title, QWidget* view, QWidget* parent = nullptr);

  // The document's title; the frame adds the unsaved marker.
  void SetTitle(const QString& title);
  // The title as the user sees it: "*" after it while modified.
  QString ShownTitle() const;
};
