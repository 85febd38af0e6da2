#pragma once
// The Search Canon window: canon sentences that hold a Klingon word, with
// their English and where they come from. Modal.
#include <QDialog>
#include <QString>

class CEntryDB;
class QCheckBox;
class QLabel;
class QLineEdit;
class QStackedWidget;
class QTreeWidget;

class CCanonSearch : public QDialog {
  Q_OBJECT

 public:
  explicit CCanonSearch(const CEntryDB& db, QWidget* pParent = nullptr);

  void SetWord(const QString& strWord);
  void SetWholeWords(bool bWhole);
  // Rows shown after the last search.
  int GetResultCount() const;
  // The text shown instead of the list when there is nothing to list.
  QString GetStatusText() const;

 public slots:
  void Search();

 private:
  const CEntryDB& m_db;
  QLineEdit* m_pWord = nullptr;
  QCheckBox* m_pWhole = nullptr;
  QTreeWidget* m_pResults = nullptr;
  QLabel* m_pStatus = nullptr;
  QStackedWidget* m_pStack = nullptr;
};

// The "Find in Canon" buttons and the Search Canon command: runs the window
// modally over `db`, already searched for `strWord` when it is not empty.
void FindInCanon(QWidget* pParent, const CEntryDB& db, const QString& strWord = {});
