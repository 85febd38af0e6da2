#include "courseui/testquestiondlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

#include "reportlist.h"

using courseui::Q;
using courseui::S;

namespace {

QTextEdit* TextBox(const char* name, QWidget* parent) {
  auto* edit = new QTextEdit(parent);
  edit->setObjectName(name);
  edit->setAcceptRichText(false);
  edit->setTabChangesFocus(true);
  edit->setFont(QFont("Verdana", 9));
  edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 3 + 12);
  return edit;
}

}  // namespace

CTestQuestionDlg::CTestQuestionDlg(CTestSection& lesson, const CCourseEnv& env, QWidget* parent)
    : QDialog(parent), m_pLesson(&lesson), m_env(env) {
  Build();
  m_nCount = lesson.m_arrQuestions.size();
  m_nIndex = 0;
  lesson.m_nCorrect = 0;
  if (m_nCount > 0) ShowQuestion();
}

CTestQuestionDlg::CTestQuestionDlg(const CTestQuestion& question, const CCourseEnv& env,
                                   QWidget* parent)
    : QDialog(parent), m_question(question), m_env(env) {
  Build();
  m_pQuestion->setPlainText(Q(question.m_strQuestion));
  m_pSentence->setPlainText(Q(question.m_strSentence));
  for (const std::string& a : question.m_lstAnswers) m_pAnswers->addItem(Q(a));
}

void CTestQuestionDlg::Build() {
  setObjectName("testQuestion");
  setWindowTitle("Test Question");
  const bool edit = IsEditMode();
  m_pQuestion = TextBox("instructions", this);
  m_pSentence = TextBox("sentence", this);
  m_pAnswer = new QLineEdit(this);
  m_pAnswer->setObjectName("answer");
  m_pAnswer->setFont(QFont("Verdana", 9));
  m_pAnswers = new QListWidget(this);
  m_pAnswers->setObjectName("answers");
  // Answers are kept in alphabetical order.
  m_pAnswers->setSortingEnabled(true);
  m_pSubmit = new QPushButton(edit ? "OK" : "&Submit Answer", this);
  m_pSubmit->setObjectName("submit");
  // Enter in the answer box submits through the default button, once.
  m_pSubmit->setDefault(true);
  m_pStop = new QPushButton("Stop Test", this);
  m_pStop->setObjectName("stop");
  m_pStop->setAutoDefault(false);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Instructions", this));
  layout->addWidget(m_pQuestion);
  layout->addWidget(new QLabel("Question", this));
  layout->addWidget(m_pSentence);
  auto* answerLabel = new QLabel(edit ? "Answers" : "Type your answer here:", this);
  layout->addWidget(answerLabel);
  layout->addWidget(m_pAnswer);
  m_pAnswerButtons = new QWidget(this);
  auto* answerRow = new QHBoxLayout(m_pAnswerButtons);
  answerRow->setContentsMargins(0, 0, 0, 0);
  answerRow->addWidget(m_pAnswers, 1);
  auto* answerButtons = new QVBoxLayout;
  const std::pair<const char*, void (CTestQuestionDlg::*)()> commands[] = {
      {"&Add", &CTestQuestionDlg::OnAddAnswer},
      {"&Edit", &CTestQuestionDlg::OnEditAnswer},
      {"&Del", &CTestQuestionDlg::OnDeleteAnswer}};
  for (const auto& [text, slot] : commands) {
    auto* b = new QPushButton(text, m_pAnswerButtons);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    answerButtons->addWidget(b);
  }
  answerButtons->addStretch();
  answerRow->addLayout(answerButtons);
  layout->addWidget(m_pAnswerButtons, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch();
  bottom->addWidget(m_pSubmit);
  bottom->addWidget(m_pStop);
  layout->addLayout(bottom);

  m_pQuestion->setReadOnly(!edit);
  m_pSentence->setReadOnly(!edit);
  m_pAnswer->setVisible(!edit);
  m_pAnswerButtons->setVisible(edit);
  // Editing a question can be cancelled like stopping a test.
  m_pStop->setText(edit ? "Cancel" : "Stop Test");
  resize(460, edit ? 440 : 300);
  connect(m_pSubmit, &QPushButton::clicked, this, &CTestQuestionDlg::OnSubmit);
  connect(m_pStop, &QPushButton::clicked, this, &QDialog::reject);
}

void CTestQuestionDlg::ShowQuestion() {
  m_question = m_pLesson->m_arrQuestions[m_nIndex++];
  m_pQuestion->setPlainText(Q(m_question.m_strQuestion));
  m_pSentence->setPlainText(Q(m_question.m_strSentence));
  m_pAnswer->clear();
  m_pAnswer->setFocus();
}

void CTestQuestionDlg::OnSubmit() {
  if (IsEditMode()) {
    m_question.m_strQuestion = S(m_pQuestion->toPlainText());
    m_question.m_strSentence = S(m_pSentence->toPlainText());
    m_question.m_lstAnswers.clear();
    for (int i = 0; i < m_pAnswers->count(); ++i) m_question.m_lstAnswers.push_back(S(m_pAnswers->item(i)->text()));
    accept();
    return;
  }
  // A lesson without questions is simply done.
  if (m_nCount > 0) {
    if (m_question.Match(S(m_pAnswer->text()))) {
      ++m_pLesson->m_nCorrect;
    } else if (m_env.Message("Incorrect.  Try again?", QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes) {
      --m_nIndex;
    }
  }
  if (m_nIndex < m_nCount) {
    ShowQuestion();
    return;
  }
  m_pLesson->m_bCompleted = 1;
  accept();
}

void CTestQuestionDlg::OnAddAnswer() {
  CSetAnswerDlg dlg("", this);
  if (m_env.Run(dlg) == QDialog::Accepted) m_pAnswers->addItem(dlg.Edit()->text());
}

void CTestQuestionDlg::OnEditAnswer() {
  QListWidgetItem* item = m_pAnswers->currentItem();
  if (!item) return;
  CSetAnswerDlg dlg(item->text(), this);
  if (m_env.Run(dlg) != QDialog::Accepted) return;
  delete item;
  m_pAnswers->addItem(dlg.Edit()->text());
}

void CTestQuestionDlg::OnDeleteAnswer() {
  QListWidgetItem* item = m_pAnswers->currentItem();
  if (!item) return;
  if (m_env.Message(QString("Delete this answer? \n\n%1").arg(item->text()),
                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
    delete item;
}

namespace {

QLineEdit* OneLineDialog(QDialog* dlg, const char* title, const QString& prompt, const QString& text) {
  dlg->setWindowTitle(title);
  auto* edit = new QLineEdit(text, dlg);
  edit->setObjectName("text");
  auto* label = new QLabel(prompt, dlg);
  label->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dlg);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
  auto* layout = new QVBoxLayout(dlg);
  layout->addWidget(label);
  layout->addWidget(edit);
  layout->addWidget(buttons);
  dlg->resize(380, dlg->sizeHint().height());
  return edit;
}

}  // namespace

CSetAnswerDlg::CSetAnswerDlg(const QString& text, QWidget* parent) : QDialog(parent) {
  m_pEdit = OneLineDialog(this, "Set Answer",
                          "Set the text of this answer here.  Remember, the student must match this "
                          "text exactly to get the answer correct.",
                          text);
}

CVersionDlg::CVersionDlg(QWidget* parent) : QDialog(parent) {
  m_pEdit = OneLineDialog(this, "Version Number", "Set Version Number for these lessons:", "");
}
