#pragma once
// "Question Creation Dialog": a lesson's test as a list of questions, in
// test order, with their answers edited one question at a time.
#include <QDialog>
#include <vector>

#include "course/testsection.h"
#include "courseui/courseenv.h"

class QTableWidget;

class CQuestionEditorDlg : public QDialog {
  Q_OBJECT
 public:
  CQuestionEditorDlg(const CTestSection& section, const CCourseEnv& env, QWidget* parent = nullptr);

  void OnNew();
  void OnEdit();
  void OnDelete();
  // Done: the rows become the lesson's questions.
  void OnDone();

  const CTestSection& Section() const { return m_section; }
  QTableWidget* List() const { return m_pList; }

 private:
  void SetRow(int row, const CTestQuestion& q);

  CTestSection m_section;
  std::vector<CTestQuestion> m_rows;
  const CCourseEnv& m_env;
  QTableWidget* m_pList;
};
