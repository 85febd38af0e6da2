#pragma once
// Find and replace in a document view, and the modeless dialog for them.
#include <QDialog>
#include <QString>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

struct CFindOptions {
  QString strFind;
  QString strReplace;
  // q and Q are different letters in Klingon.
  bool bMatchCase = true;
  bool bWholeWord = false;
  bool bUp = false;
};

// Selects the next match after the selection (before it when searching up),
// going round the document once. False when there is none.
bool FindNextIn(QTextEdit& edit, const CFindOptions& options);
// Replaces the selection when it is a match, then selects the next match.
bool ReplaceNextIn(QTextEdit& edit, const CFindOptions& options);
// Replaces every match as one undo step; returns how many.
int ReplaceAllIn(QTextEdit& edit, const CFindOptions& options);

// The Find and the Replace dialog; it works on whatever view `target` gives.
class CFindReplaceDlg : public QDialog {
  Q_OBJECT
 public:
  CFindReplaceDlg(bool bReplace, std::function<QTextEdit*()> target, QWidget* parent = nullptr);

  void SetOptions(const CFindOptions& options);
  CFindOptions GetOptions() const;

  void OnFindNext();
  void OnReplace();
  void OnReplaceAll();

 signals:
  void optionsChanged(const CFindOptions& options);

 private:
  void UpdateButtons();
  void NotFound();

  bool m_bReplace;
  std::function<QTextEdit*()> m_target;
  QLineEdit* m_pFindEdit;
  QLineEdit* m_pReplaceEdit = nullptr;
  QCheckBox* m_pWholeWord;
  QCheckBox* m_pMatchCase;
  QRadioButton* m_pUp = nullptr;
  QPushButton* m_pFindNext;
  QPushButton* m_pReplaceButton = nullptr;
  QPushButton* m_pReplaceAll = nullptr;
};

// The text shown when a search finds nothing.
QString NotFoundText(const QString& strFind);
