#pragma once
// The Word Info window: one lexicon entry's notes or word type, and the words
// of its synonyms and antonyms. Tool windows own one each and show or hide it
// with their Info button.
#include <QDialog>
#include <QString>

#include "wordbank/klex.h"

class QLabel;
class QListWidget;
class QPlainTextEdit;

class CWordInfoDlg : public QDialog {
  Q_OBJECT
 public:
  // `pOwner` owns the window (closing it then only hides it). Synonym and
  // antonym keys are looked up in `pLexicon`, or in the program's lexicon
  // when none is given.
  explicit CWordInfoDlg(QWidget* pOwner, const CKLex* pLexicon = nullptr);

  // Builds the controls; set m_bDetails before, for detail mode.
  void Create();
  // Empties every text and both lists.
  void Clear();
  void Fill(CKWord entry);

  // 1 = detail mode: the type lines instead of the notes.
  int m_bDetails = 0;
  QWidget* m_pOwner;

  QListWidget* m_listSynonyms = nullptr;
  QListWidget* m_listAntonyms = nullptr;
  QString m_strNotes;
  QString m_strLabel;
  QString m_strTypeLine;
  QString m_strPluralLine;
  QString m_strIrregularLine;

 public slots:
  void reject() override;

 private:
  // Writes the texts into their controls.
  void UpdateControls();
  const CKLex* Lexicon() const;

  const CKLex* m_pLexicon;
  QPlainTextEdit* m_editNotes = nullptr;
  QLabel* m_staticLabel = nullptr;
  QLabel* m_staticType = nullptr;
  QLabel* m_staticPlural = nullptr;
  QLabel* m_staticIrregular = nullptr;
};
