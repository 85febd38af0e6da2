#pragma once
// The Search Lexicon window: entries whose word, definition or notes contain,
// equal, start or end with a text, optionally of one part of speech. The main
// window keeps one modeless copy; the word wizard runs a modal one as a
// picker and reads back the keys of the rows selected when it closed.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <functional>

#include "wordbank/klex.h"

class CWordInfoDlg;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class CSearchLexiconDlg : public QDialog {
  Q_OBJECT
 public:
  // Without owner: a modal picker. With one: the owner's modeless window,
  // which Done only hides.
  explicit CSearchLexiconDlg(QWidget* pOwner = nullptr);
  ~CSearchLexiconDlg() override;

  // Builds the modeless window; exec() does it for the modal use.
  void Create();
  int exec() override;

  QString m_strTypeToSelect = "any type";
  QStringList m_lstSelectedKeys;
  CKLex* m_pLexicon = nullptr;
  int m_nType = 8;
  QString m_strFind;
  QString m_strField = "definition";
  QString m_strMatches;
  int m_nMode = 0;
  QWidget* m_pOwner;
  CWordInfoDlg* m_pInfoDlg = nullptr;
  // Runs the canon search for a word; Find in Canon is disabled without one.
  std::function<void(const QString&)> m_findInCanon;

  QTreeWidget* m_listResults;
  QComboBox* m_comboType;
  QComboBox* m_comboField;
  QComboBox* m_comboMode;
  QLineEdit* m_editFind;
  QLabel* m_staticMatches;
  QPushButton* m_btnSearch;
  QPushButton* m_btnInfo;
  QPushButton* m_btnCanon;
  QPushButton* m_btnClear;
  QPushButton* m_btnDone;

  void OnSearch();
  void OnClearList();
  void OnInfo();
  void OnFindInCanon();
  void OnDone();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void OnInitDialog();
  void OnSelectionChanged();
  void ReadControls();
  void WriteControls();
};
