#pragma once
// Every message box of the program goes through VekMessageBox, so that tests
// can see what would have been shown and answer it.
#include <QMessageBox>
#include <QString>
#include <functional>

enum class MsgIcon { None, Information, Warning, Stop, Question };

struct VekMessage {
  QString strText;
  MsgIcon icon = MsgIcon::None;
  QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// Shows a modal box captioned with the application title and returns the
// button pressed. `parent` defaults to the active window.
QMessageBox::StandardButton VekMessageBox(const QString& text, MsgIcon icon = MsgIcon::None,
                                          QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                          QWidget* parent = nullptr);

// While a hook is set, no box is shown: the hook gets the message and its
// result is returned. An empty function restores the real boxes.
using VekMessageHook = std::function<QMessageBox::StandardButton(const VekMessage&)>;
void SetVekMessageHook(VekMessageHook hook);
