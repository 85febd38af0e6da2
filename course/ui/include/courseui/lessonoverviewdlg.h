#pragma once
// A lesson's number, name and text. A student reads it and starts the test;
// a teacher edits it and reaches the question editor.
#include <QDialog>

#include "course/testsection.h"
#include "courseui/courseenv.h"

class QLineEdit;
class QPushButton;
class QTextEdit;
class CTestMgr;

class CLessonOverviewDlg : public QDialog {
  Q_OBJECT
 public:
  // `mgr` is asked whether a new lesson's number is taken.
  CLessonOverviewDlg(const CTestSection& section, bool bStudent, bool bExisting, const CTestMgr& mgr,
                     const CCourseEnv& env, QWidget* parent = nullptr);

  // Begin Test (student) or Edit Test (teacher).
  void OnTest();
  // Done, the close box and Escape.
  void OnDone();
  void reject() override { OnDone(); }

  const CTestSection& Section() const { return m_section; }
  QLineEdit* NameEdit() const { return m_pName; }
  QLineEdit* NumberEdit() const { return m_pNumber; }
  QTextEdit* TextEdit() const { return m_pText; }
  QPushButton* TestButton() const { return m_pTest; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CTestSection m_section;
  bool m_bStudent;
  bool m_bExisting;
  const CTestMgr& m_mgr;
  const CCourseEnv& m_env;
  QLineEdit* m_pName;
  QLineEdit* m_pNumber;
  QTextEdit* m_pText;
  QPushButton* m_pTest;
};
