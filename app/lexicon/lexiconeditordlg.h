#pragma once
// The Lexicon Editor: every entry in a list; new and changed entries go
// through the word wizard, notes are edited in place. Synonym and antonym
// links are kept mutual. Every change goes through CKLex's own calls, so what
// the analyser keeps about the lexicon follows it.
#include <QDialog>
#include <QString>

#include "wordbank/klex.h"

class CWordInfoDlg;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CLexiconEditorDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CLexiconEditorDlg(QWidget* parent = nullptr);
  ~CLexiconEditorDlg() override;
  int exec() override;

  // Makes the entries that newEntry lists point back at newKey, and the
  // entries that oldEntry listed but newEntry does not forget oldKey.
  void UpdateLinks(const std::string& newKey, const CKWord& newEntry, const std::string& oldKey,
                   const CKWord& oldEntry);

  CKLex* m_pLexicon = nullptr;
  int m_bModified = 0;
  QTreeWidget* m_listWords;
  QString m_strNotes;
  QPlainTextEdit* m_editNotes;
  CWordInfoDlg* m_pInfoDlg = nullptr;
  QPushButton* m_btnNew;
  QPushButton* m_btnEdit;
  QPushButton* m_btnDelete;
  QPushButton* m_btnInfo;
  QPushButton* m_btnDone;

  void OnNew();
  void OnEdit();
  void OnDelete();
  void OnInfo();
  void OnDone();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnInitDialog();
  void OnSelectionChanged();
  void OnNotesChanged();
  void StoreNotes();
  void UpdateButtons();
  QTreeWidgetItem* SelectedRow() const;
  QTreeWidgetItem* AddRow(const std::string& key, const CKWord& w);
  void SortAndSelect(const std::string& key);

  bool m_bFilling = false;
};
