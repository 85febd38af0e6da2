#pragma once
// What the course windows need from the program around them: a way to show
// a message and a way to run a nested dialog. Tests replace both.
#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;

struct CCourseEnv {
  // Shows `text` with `buttons` and returns the button pressed.
  std::function<QMessageBox::StandardButton(const QString& text, QMessageBox::StandardButtons buttons)>
      message;
  // Runs a modal dialog and returns its result (QDialog::Accepted or Rejected).
  std::function<int(QDialog& dialog)> run;

  QMessageBox::StandardButton Message(const QString& text,
                                      QMessageBox::StandardButtons buttons = QMessageBox::Ok) const;
  int Run(QDialog& dialog) const;
};
