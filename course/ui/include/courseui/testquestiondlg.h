#pragma once
// "Test Question": in answer mode it runs a lesson's test, one question after
// another; in edit mode it edits one question and its answers.
#include <QDialog>

#include "course/testsection.h"
#include "courseui/courseenv.h"

class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;

class CTestQuestionDlg : public QDialog {
  Q_OBJECT
 public:
  // Answer mode: tests `lesson`, counting its correct answers.
  CTestQuestionDlg(CTestSection& lesson, const CCourseEnv& env, QWidget* parent = nullptr);
  // Edit mode: edits a copy of `question`.
  CTestQuestionDlg(const CTestQuestion& question, const CCourseEnv& env, QWidget* parent = nullptr);

  void OnSubmit();
  void OnAddAnswer();
  void OnEditAnswer();
  void OnDeleteAnswer();

  bool IsEditMode() const { return m_pLesson == nullptr; }
  const CTestQuestion& Question() const { return m_question; }
  QTextEdit* QuestionEdit() const { return m_pQuestion; }
  QTextEdit* SentenceEdit() const { return m_pSentence; }
  QLineEdit* AnswerEdit() const { return m_pAnswer; }
  QListWidget* AnswerList() const { return m_pAnswers; }

 private:
  void Build();
  void ShowQuestion();

  CTestSection* m_pLesson = nullptr;
  CTestQuestion m_question;
  const CCourseEnv& m_env;
  size_t m_nIndex = 0;
  size_t m_nCount = 0;
  QTextEdit* m_pQuestion;
  QTextEdit* m_pSentence;
  QLineEdit* m_pAnswer;
  QListWidget* m_pAnswers;
  QWidget* m_pAnswerButtons;
  QPushButton* m_pSubmit;
  QPushButton* m_pStop;
};

// "Set Answer Dialog": one answer's text.
class CSetAnswerDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CSetAnswerDlg(const QString& text, QWidget* parent = nullptr);
  QLineEdit* Edit() const { return m_pEdit; }

 private:
  QLineEdit* m_pEdit;
};

// The one-line dialog that asks a teacher for the course's version text.
class CVersionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CVersionDlg(QWidget* parent = nullptr);
  QLineEdit* Edit() const { return m_pEdit; }

 private:
  QLineEdit* m_pEdit;
};
