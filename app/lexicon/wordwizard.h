#pragma once
// The word wizard: the form through which the lexicon editor makes or changes
// an entry. It works on its own copy, m_word; the editor stores it after
// Finish. Only the pages that fit the part of speech are visited.
#include <QString>
#include <QWizard>
#include <QWizardPage>

#include "wordbank/klex.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class CWordWiz;

// The page's part of the wizard: filled from m_word when it becomes active,
// copied back when it is left forward (Next) or backward (Back).
class CWWizPage : public QWizardPage {
 public:
  using QWizardPage::QWizardPage;
  virtual void OnSetActive() {}
  virtual void OnWizardBack() {}
  void cleanupPage() override { OnWizardBack(); }

 protected:
  CWordWiz* Sheet() const;
};

class CWWizPage1 : public CWWizPage {
 public:
  CWWizPage1();
  void OnSetActive() override;
  bool isComplete() const override;
  bool validatePage() override;
  int nextId() const override;

  QString m_strPos;
  QString m_strWord;
  QString m_strDefinition;
  QListWidget* m_listPos;
  QLineEdit* m_editWord;
  QLineEdit* m_editDefinition;
};

class CWWizPage2 : public CWWizPage {
 public:
  CWWizPage2();
  void OnSetActive() override;
  bool validatePage() override;
  int nextId() const override;
  void OnIrregular();

  int m_nNounType = -1;
  int m_bInherentPlural = 0;
  int m_bIrregular = 0;
  QString m_strIrregularForm;
  QButtonGroup* m_groupType;
  QCheckBox* m_checkInherentPlural;
  QCheckBox* m_checkIrregular;
  QLineEdit* m_editIrregularForm;

 private:
  void ReadControls();
};

class CWWizPage3 : public CWWizPage {
 public:
  CWWizPage3();
  void OnSetActive() override;
  bool validatePage() override;
  void OnWizardBack() override;
  int nextId() const override;

  int m_bStative = 0;
  QCheckBox* m_checkStative;
};

class CWWizPage4 : public CWWizPage {
 public:
  CWWizPage4();
  void OnSetActive() override;
  bool validatePage() override;
  void OnWizardBack() override;
  int nextId() const override { return -1; }

  // Appends a row for the entry under `key` to the synonyms (0) or antonyms
  // (1) list; false when the lexicon has no such key.
  bool AddRow(const std::string& key, int list);
  void OnAdd(int list);
  void OnDelete(int list);

  QTreeWidget* m_listSynonyms;
  QTreeWidget* m_listAntonyms;
  QPushButton* m_btnAdd[2];
  QPushButton* m_btnDelete[2];

 private:
  QTreeWidget* List(int list) const { return list == 0 ? m_listSynonyms : m_listAntonyms; }
  void UpdateButtons();
  void StoreLists();
};

class CWordWiz : public QWizard {
  Q_OBJECT
 public:
  enum PageId { Page1, Page2, Page3, Page4 };
  // Starts on the first page; set m_pLexicon, and m_word for an edit, before exec().
  explicit CWordWiz(const QString& title, QWidget* parent = nullptr);
  int exec() override;

  QString m_strStartWord;
  CKLex* m_pLexicon = nullptr;
  CKWord m_word;
  CWWizPage1* m_page1;
  CWWizPage2* m_page2;
  CWWizPage3* m_page3;
  CWWizPage4* m_page4;
};
