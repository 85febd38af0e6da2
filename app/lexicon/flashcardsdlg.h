#pragma once
// The flashcard drill: the setup dialog chooses the word types and the size
// of the test set, the card dialog asks word after word. Scores and the
// exclude flag are kept in the lexicon entries and saved with the lexicon.
#include <QDialog>
#include <QSpinBox>
#include <QString>

#include "wordbank/klex.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The size box: any whole number may be typed, the arrows stay in 10..100.
class CTestSizeBox : public QSpinBox {
 public:
  explicit CTestSizeBox(QWidget* parent = nullptr);
  using QAbstractSpinBox::lineEdit;
  void stepBy(int steps) override;

 protected:
  StepEnabled stepEnabled() const override;
};

class CFlashcardsDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CFlashcardsDlg(QWidget* parent = nullptr);

  CKLex* m_pLexicon = nullptr;
  CTestSizeBox* m_spinSize;
  QListWidget* m_listTypes;
  int m_nTestSize = 20;
  QPushButton* m_btnTest;
  QPushButton* m_btnReset;

  void OnTest();
  void OnResetScores();
};

class CFlashcardDlg : public QDialog {
  Q_OBJECT
 public:
  // Takes the test set; the cards come in its order.
  explicit CFlashcardDlg(CKLex testSet, QWidget* parent = nullptr);

  CKLex m_testSet;
  QString m_strWord;
  QString m_strType;
  QString m_strDefinition;
  int m_bExclude = 0;
  QString m_strKey;
  CKWord m_word;

  QLineEdit* m_editWord;
  QLineEdit* m_editType;
  QPlainTextEdit* m_editDefinition;
  QCheckBox* m_checkExclude;
  QPushButton* m_btnYes;
  QPushButton* m_btnNo;
  QPushButton* m_btnShow;

  void OnShow();
  void OnYes();
  void OnNo();
  void OnExclude();

 private:
  void Answer(int delta);
  void NextCard();
  void FillCard();
  void ShowAnswerControls(bool show);
  void UpdateControls();

  size_t m_nNext = 0;
  bool m_bHaveCard = false;
};
