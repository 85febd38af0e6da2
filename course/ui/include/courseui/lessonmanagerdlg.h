#pragma once
// The lesson manager: the list of lessons with their progress. A student
// takes the next lesson or repeats one already started; a teacher creates,
// edits and deletes lessons and resets all progress.
#include <QDialog>

#include "course/testmgr.h"
#include "courseui/courseenv.h"

class QLabel;
class QPushButton;
class QTableWidget;

class CLessonManagerDlg : public QDialog {
  Q_OBJECT
 public:
  CLessonManagerDlg(CTestMgr& mgr, bool bTeacher, const CCourseEnv& env, QWidget* parent = nullptr);

  // The commands of the buttons.
  void OnBeginLesson();
  void OnNew();
  void OnDelete();
  void OnReset();

  QTableWidget* List() const { return m_pList; }
  QString NextLessonText() const;
  // Row of the lesson shown as `number`, or -1.
  int RowOf(const QString& number) const;
  void SelectRow(int row);

 private:
  void FillList();
  void RefreshNextLesson();
  void OnSelectionChanged();
  void UpdateLesson(const CTestSection& section);
  int SelectedRow() const;
  QString SectionText(int row) const;

  CTestMgr& m_mgr;
  bool m_bTeacher;
  const CCourseEnv& m_env;
  int m_nCurrent = -1;
  bool m_bRefreshing = false;
  QTableWidget* m_pList;
  QLabel* m_pNextLesson;
  QPushButton* m_pBegin;
};
