#pragma once
// The Canon Editor: adds, changes and removes canon sentences and saves
// canon.klx when the user presses OK.
#include <QDialog>
#include <QString>
#include <string>

#include "canon/entrydb.h"

class QLineEdit;
class QTreeWidget;

class CCanonEditorDlg : public QDialog {
  Q_OBJECT

 public:
  // Edits a copy of `db`; OK writes the copy to `strPath`.
  CCanonEditorDlg(const CEntryDB& db, const std::string& strPath, QWidget* pParent = nullptr);
  const CEntryDB& GetEntries() const { return m_db; }
  // The row chosen in the list, -1 for none.
  int GetCurrentRow() const;
  void SetCurrentRow(int nRow);

  void accept() override;
  void reject() override;

 public slots:
  void OnAdd();
  void OnEdit();
  void OnDelete();

 private:
  void Fill(int nSelect);
  // Asks for one entry; false when cancelled.
  bool AskEntry(const QString& strTitle, CCanonEntry& entry);

  CEntryDB m_db;
  std::string m_strPath;
  bool m_bModified = false;
  QTreeWidget* m_pList = nullptr;
};

// The Canon Editor command. Reads the file at `strPath` afresh (so a file
// that cannot be read is reported and never overwritten), edits it, and on OK
// saves it and puts the saved entries into `db`. True when it saved.
bool EditCanonDB(CEntryDB& db, const std::string& strPath, QWidget* pParent);
