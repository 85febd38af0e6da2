#pragma once
// The Robot Rule Editor: views and edits the rules of the chatterbot, one at
// a time, and imports and exports rule files.
#include <QDialog>
#include <QString>

#include "rules/ruledb.h"

class QAction;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class CRuleEditorDlg : public QDialog {
  Q_OBJECT

 public:
  // Edits `db` in place; the caller saves it afterwards.
  explicit CRuleEditorDlg(CRuleDB& db, QWidget* pParent = nullptr);

  // The Utilities > Robot Rule Editor command: stops the robot, edits its
  // rules (kept in `strDataFolder`), saves them and starts it again.
  static void Run(QWidget* pParent, const QString& strDataFolder);

  bool IsEditing() const { return m_bEditing; }
  QString GetSelectedName() const;
  void SelectRule(const QString& strName);

  // The menu commands after their file has been chosen.
  void ImportFromFile(const QString& strPath);
  void ExportToFile(const QString& strPath);

 public slots:
  void OnEditSave();
  void OnNewRule();
  void OnDeleteRule();
  void OnAddPattern();
  void OnEditPattern();
  void OnDeletePattern();
  void OnAddEffect();
  void OnEditEffect();
  void OnDeleteEffect();
  void OnImport();
  void OnExport();
  void OnSetVersion();
  void OnExit();

 protected:
  void reject() override;

 private:
  void CreateMenus(class QMenuBar* pBar);
  void FillCombo(const QString& strSelect);
  void ShowRule();
  void ClearFields();
  void SetEditing(bool bEditing);
  // Saves the rule being edited, if any; false when the user must mend it.
  bool SaveIfEditing();
  void UpdateCommands();

  CRuleDB& m_db;
  bool m_bEditing = false;
  QComboBox* m_pRules = nullptr;
  QLineEdit* m_pLevel = nullptr;
  QListWidget* m_pPatterns = nullptr;
  QPlainTextEdit* m_pResponse = nullptr;
  QListWidget* m_pEffects = nullptr;
  QPushButton* m_pEditButton = nullptr;
  QAction* m_pDeleteRule = nullptr;
};
