#include "courseui/lessonmanagerdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <numeric>

#include "courseui/lessonoverviewdlg.h"
#include "reportlist.h"

using courseui::Q;
using courseui::S;

namespace {

enum { kColSection, kColLesson, kColStatus };

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

CLessonManagerDlg::CLessonManagerDlg(CTestMgr& mgr, bool bTeacher, const CCourseEnv& env,
                                     QWidget* parent)
    : QDialog(parent), m_mgr(mgr), m_bTeacher(bTeacher), m_env(env) {
  setObjectName("lessonManager");
  setWindowTitle("Lesson Manager");
  m_pList = courseui::NewReportList({"Section", "Lesson", "Status"}, {60, 260, 150}, this);
  m_pList->setObjectName("lessonList");
  m_pNextLesson = new QLabel(this);
  m_pNextLesson->setObjectName("nextLesson");

  auto* done = Button("Done", "done", this);
  m_pBegin = Button(bTeacher ? "Edit Lesson" : "&Begin Lesson", "begin", this);
  auto* add = Button("&New", "new", this);
  auto* del = Button("&Delete", "delete", this);
  auto* reset = Button("&Reset", "reset", this);
  for (QPushButton* b : {add, del, reset}) b->setVisible(bTeacher);
  m_pNextLesson->setVisible(!bTeacher);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {done, m_pBegin, add, del, reset}) buttons->addWidget(b);
  buttons->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(m_pList, 1);
  top->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(m_pNextLesson);
  resize(640, 380);

  connect(done, &QPushButton::clicked, this, &QDialog::accept);
  connect(m_pBegin, &QPushButton::clicked, this, &CLessonManagerDlg::OnBeginLesson);
  connect(add, &QPushButton::clicked, this, &CLessonManagerDlg::OnNew);
  connect(del, &QPushButton::clicked, this, &CLessonManagerDlg::OnDelete);
  connect(reset, &QPushButton::clicked, this, &CLessonManagerDlg::OnReset);
  connect(m_pList, &QTableWidget::itemSelectionChanged, this, &CLessonManagerDlg::OnSelectionChanged);
  connect(m_pList, &QTableWidget::cellActivated, this, &CLessonManagerDlg::OnBeginLesson);

  FillList();
  RefreshNextLesson();
  m_pList->setFocus();
}

void CLessonManagerDlg::FillList() {
  // Rows go by lesson number, as numbers: lesson 10 comes after lesson 2.
  std::vector<size_t> order(m_mgr.m_arrSections.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [this](size_t a, size_t b) {
    return m_mgr.m_arrSections[a].m_dNumber < m_mgr.m_arrSections[b].m_dNumber;
  });
  const bool wasRefreshing = std::exchange(m_bRefreshing, true);
  m_pList->clearSelection();
  m_pList->setRowCount(static_cast<int>(order.size()));
  for (int row = 0; row < static_cast<int>(order.size()); ++row) {
    const CTestSection& s = m_mgr.m_arrSections[order[static_cast<size_t>(row)]];
    courseui::SetCell(m_pList, row, kColSection, Q(s.NumberText()));
    courseui::SetCell(m_pList, row, kColLesson, Q(s.m_strName));
    courseui::SetCell(m_pList, row, kColStatus, Q(s.m_strStatus));
  }
  m_bRefreshing = wasRefreshing;
  m_nCurrent = -1;
}

QString CLessonManagerDlg::SectionText(int row) const {
  const QTableWidgetItem* item = m_pList->item(row, kColSection);
  return item ? item->text() : QString();
}

int CLessonManagerDlg::RowOf(const QString& number) const {
  for (int row = 0; row < m_pList->rowCount(); ++row)
    if (SectionText(row) == number) return row;
  return -1;
}

int CLessonManagerDlg::SelectedRow() const {
  const auto rows = m_pList->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void CLessonManagerDlg::SelectRow(int row) { m_pList->selectRow(row); }

QString CLessonManagerDlg::NextLessonText() const { return m_pNextLesson->text(); }

void CLessonManagerDlg::RefreshNextLesson() {
  int next = m_nCurrent;
  if (next < 0) {
    std::vector<std::string> statuses;
    for (int row = 0; row < m_pList->rowCount(); ++row)
      statuses.push_back(S(m_pList->item(row, kColStatus)->text()));
    next = course::NextLessonIndex(statuses);
  }
  if (next < 0) {
    m_pNextLesson->setText("");
    return;
  }
  m_pNextLesson->setText(QString("Next Lesson: %1").arg(SectionText(next)));
  m_nCurrent = next;
  if (SelectedRow() != next) {
    const bool wasRefreshing = std::exchange(m_bRefreshing, true);
    m_pList->selectRow(next);
    m_bRefreshing = wasRefreshing;
  }
  m_pList->scrollToItem(m_pList->item(next, kColSection));
  m_pList->setFocus();
}

void CLessonManagerDlg::OnSelectionChanged() {
  if (m_bRefreshing) return;
  m_nCurrent = -1;
  const int row = SelectedRow();
  if (row >= 0) {
    const QString status = m_pList->item(row, kColStatus)->text();
    // A lesson once started may be taken again at any time.
    if (status.startsWith(course::kStatusInProgress) || status.startsWith(course::kStatusCompleted))
      m_nCurrent = row;
  }
  // A student meets new lessons only in order.
  if (!m_bTeacher) RefreshNextLesson();
}

void CLessonManagerDlg::OnBeginLesson() {
  int row = SelectedRow();
  if (!m_bTeacher) {
    if (m_nCurrent < 0) RefreshNextLesson();
    row = m_nCurrent;
  }
  if (row < 0) return;
  CTestSection section;
  if (!m_mgr.GetTestSection(S(SectionText(row)), section)) {
    m_env.Message("Unable to retrieve test section from manager!");
    return;
  }
  CLessonOverviewDlg overview(section, !m_bTeacher, true, m_mgr, m_env, this);
  if (m_env.Run(overview) != QDialog::Accepted) return;
  UpdateLesson(overview.Section());
  m_nCurrent = -1;
  RefreshNextLesson();
}

void CLessonManagerDlg::UpdateLesson(const CTestSection& section) {
  const int row = RowOf(Q(section.NumberText()));
  if (row < 0) return;
  if (!m_mgr.Edit(section)) {
    m_env.Message("Unable to update lesson!");
    return;
  }
  courseui::SetCell(m_pList, row, kColSection, Q(section.NumberText()));
  courseui::SetCell(m_pList, row, kColLesson, Q(section.m_strName));
  courseui::SetCell(m_pList, row, kColStatus, Q(section.m_strStatus));
  RefreshNextLesson();
}

void CLessonManagerDlg::OnNew() {
  CTestSection fresh;
  fresh.ResetScore();
  CLessonOverviewDlg overview(fresh, false, false, m_mgr, m_env, this);
  if (m_env.Run(overview) != QDialog::Accepted) return;
  m_mgr.m_arrSections.push_back(overview.Section());
  FillList();
  SelectRow(RowOf(Q(overview.Section().NumberText())));
}

void CLessonManagerDlg::OnDelete() {
  const int row = SelectedRow();
  if (row < 0) return;
  CTestSection section;
  if (!m_mgr.GetTestSection(S(SectionText(row)), section)) return;
  const QString question = QString("Are you sure you want to delete Lesson %1, %2?")
                               .arg(Q(section.NumberText()), Q(section.m_strName));
  if (m_env.Message(question, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
  if (m_mgr.Delete(section)) m_pList->removeRow(row);
}

void CLessonManagerDlg::OnReset() {
  if (m_env.Message("Reset all course data?", QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  m_mgr.ResetScores();
  FillList();
  QApplication::restoreOverrideCursor();
}
