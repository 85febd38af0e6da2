#include "courseui/questioneditordlg.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "courseui/testquestiondlg.h"
#include "reportlist.h"

using courseui::Q;

CQuestionEditorDlg::CQuestionEditorDlg(const CTestSection& section, const CCourseEnv& env,
                                       QWidget* parent)
    : QDialog(parent), m_section(section), m_rows(section.m_arrQuestions), m_env(env) {
  setObjectName("questionEditor");
  setWindowTitle("Question Creation Dialog");
  m_pList = courseui::NewReportList({"Question", "Sentence", "# Answers"}, {220, 220, 80}, this);
  m_pList->setObjectName("questionList");
  m_pList->setRowCount(static_cast<int>(m_rows.size()));
  for (int row = 0; row < static_cast<int>(m_rows.size()); ++row) SetRow(row, m_rows[static_cast<size_t>(row)]);

  auto* buttons = new QVBoxLayout;
  const std::pair<const char*, void (CQuestionEditorDlg::*)()> commands[] = {
      {"Done", &CQuestionEditorDlg::OnDone},
      {"&New", &CQuestionEditorDlg::OnNew},
      {"&Edit", &CQuestionEditorDlg::OnEdit},
      {"&Delete", &CQuestionEditorDlg::OnDelete}};
  for (const auto& [text, slot] : commands) {
    auto* b = new QPushButton(text, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(m_pList, 1);
  layout->addLayout(buttons);
  resize(680, 360);
  connect(m_pList, &QTableWidget::cellActivated, this, &CQuestionEditorDlg::OnEdit);
}

void CQuestionEditorDlg::SetRow(int row, const CTestQuestion& q) {
  courseui::SetCell(m_pList, row, 0, Q(q.m_strQuestion));
  courseui::SetCell(m_pList, row, 1, Q(q.m_strSentence));
  courseui::SetCell(m_pList, row, 2, QString::number(q.m_lstAnswers.size()));
}

void CQuestionEditorDlg::OnNew() {
  CTestQuestionDlg dlg(CTestQuestion(), m_env, this);
  if (m_env.Run(dlg) != QDialog::Accepted) return;
  m_rows.push_back(dlg.Question());
  m_pList->setRowCount(static_cast<int>(m_rows.size()));
  SetRow(static_cast<int>(m_rows.size()) - 1, m_rows.back());
}

void CQuestionEditorDlg::OnEdit() {
  const int row = m_pList->currentRow();
  if (row < 0 || !m_pList->item(row, 0)->isSelected()) return;
  CTestQuestionDlg dlg(m_rows[static_cast<size_t>(row)], m_env, this);
  if (m_env.Run(dlg) != QDialog::Accepted) return;
  m_rows[static_cast<size_t>(row)] = dlg.Question();
  SetRow(row, m_rows[static_cast<size_t>(row)]);
}

void CQuestionEditorDlg::OnDelete() {
  const int row = m_pList->currentRow();
  if (row < 0 || !m_pList->item(row, 0)->isSelected()) return;
  const CTestQuestion& q = m_rows[static_cast<size_t>(row)];
  const QString text = QString("Really delete this question?\n\nQuestion:\t\t%1\nSentence:\t%2")
                           .arg(Q(q.m_strQuestion), Q(q.m_strSentence));
  if (m_env.Message(text, QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) return;
  m_rows.erase(m_rows.begin() + row);
  m_pList->removeRow(row);
}

void CQuestionEditorDlg::OnDone() {
  m_section.m_arrQuestions = m_rows;
  accept();
}
