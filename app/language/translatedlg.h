#pragma once
// The "Translate Klingon" window: every reading of the words typed, one row
// each, with the lexicon entry's details beside it in the Word Info window.
// It also renders a phrase as text lines for the document view's quick lookup.
#include <QDialog>
#include <QStringList>
#include <functional>

#include "morphan/parseresult.h"
#include "wordbank/klex.h"

class CWordInfoDlg;
class QComboBox;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class CTranslateDlg : public QDialog {
  Q_OBJECT
 public:
  // Columns of the result list; the key column has width 0.
  enum Column { kColType, kColWord, kColTranslation, kColKey };

  // Words are analysed against `pLexicon`, or the program's lexicon when none is given.
  explicit CTranslateDlg(QWidget* pOwner, CKLex* pLexicon = nullptr);
  ~CTranslateDlg() override;

  // Puts `text` into the input, shows the window and translates it.
  void TranslateText(const QString& text);
  // One line per reading of each word of `text`, appended to `lines`.
  void TranslateToLines(const QString& text, QStringList& lines) const;

  void OnTranslate();
  void OnInfo();
  void OnErrors();
  void OnFindInCanon();

  // The canon search, once there is one: called with the entry's word.
  using CanonSearch = std::function<void(QWidget* parent, const QString& word)>;
  static void SetCanonSearch(CanonSearch search);

  // The result behind a row; nullptr for no row.
  static const CParseResult* ResultOf(const QTreeWidgetItem* item);

  QTreeWidget* m_listResults;
  QString m_strInput;
  CWordInfoDlg* m_pInfoDlg;
  bool m_bInfoWasVisible = false;
  QWidget* m_pOwner;

 public slots:
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  // Exchanges m_strInput with the combo box, like a dialog's data exchange.
  void UpdateData(bool bSaveAndValidate);
  void OnSelectionChanged();
  void UpdateButtons();
  void BringForward();
  CKLex* Lexicon() const;

  CKLex* m_pLexicon;
  QComboBox* m_comboInput;
  QPushButton* m_btnTranslate;
  QPushButton* m_btnInfo;
  QPushButton* m_btnCanon;
  QPushButton* m_btnErrors;
};

// The "Error List" window: the messages of one reading.
class CErrorListDlg : public QDialog {
  Q_OBJECT
 public:
  CErrorListDlg(const CStringList& errors, QWidget* parent);
  // Each message followed by CR LF twice.
  static QString ErrorText(const CStringList& errors);
};
