#pragma once
// The small windows of the rule editor: a new rule's name, a pattern, an
// effect, and the question asked when an imported rule already exists.
#include <QDialog>
#include <QSet>
#include <QString>
#include <QStringList>

class CRuleDB;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

// "New Rule": the header typed between "<" and ">".
class CNewRuleDlg : public QDialog {
  Q_OBJECT
 public:
  CNewRuleDlg(const CRuleDB& db, QWidget* pParent);
  QString GetName() const;  // "<header>"
  void accept() override;

 private:
  const CRuleDB& m_db;
  QLineEdit* m_pHeader = nullptr;
};

// "Pattern Definition Dialog": an activation level and the pattern text.
class CPatternDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CPatternDlg(QWidget* pParent);
  void SetPattern(int nLevel, const QString& strPattern);
  int GetLevel() const;
  QString GetPattern() const;

 private:
  QSpinBox* m_pLevel = nullptr;
  QPlainTextEdit* m_pPattern = nullptr;
};

// "Rule Effects Dlg": raise or lower, and the rules affected.
class CRuleEffectsDlg : public QDialog {
  Q_OBJECT
 public:
  CRuleEffectsDlg(const QStringList& names, QWidget* pParent);
  void SetEffect(bool bRaise, const QSet<QString>& selected);
  bool IsRaise() const;
  // The chosen names in list order, joined with nothing between them.
  QString GetTargets() const;

 private:
  QRadioButton* m_pRaise = nullptr;
  QRadioButton* m_pLower = nullptr;
  QListWidget* m_pNames = nullptr;
};

// "Overwrite rule?": Yes, Yes to All, No (the default) or Cancel.
class COverwriteDlg : public QDialog {
  Q_OBJECT
 public:
  enum Answer { kYes = 10, kYesToAll, kNo, kCancel };
  COverwriteDlg(const QString& strName, QWidget* pParent);
};
