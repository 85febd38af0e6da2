#include "courseui/courseenv.h"

#include <QApplication>
#include <QDialog>

QMessageBox::StandardButton CCourseEnv::Message(const QString& text,
                                                QMessageBox::StandardButtons buttons) const {
  if (message) return message(text, buttons);
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text, buttons,
                  QApplication::activeWindow());
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

int CCourseEnv::Run(QDialog& dialog) const { return run ? run(dialog) : dialog.exec(); }
