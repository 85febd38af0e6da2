#include "robot/ruleeditordlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleValidator>
#include <QFileInfo>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "botcore/botcore.h"
#include "robot/chatterbotdlg.h"
#include "ruledialogs.h"

namespace {

const char* const kTextFilter = "Text Files (*.txt)";

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }

bool AskYesNo(QWidget* parent, const QString& text) {
  return QMessageBox::question(parent, parent->windowTitle(), text, QMessageBox::Yes | QMessageBox::No) ==
         QMessageBox::Yes;
}

void Tell(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, parent ? parent->windowTitle() : QString(), text);
}

}  // namespace

CRuleEditorDlg::CRuleEditorDlg(CRuleDB& db, QWidget* pParent) : QDialog(pParent), m_db(db) {
  setWindowTitle("Rule Editor");
  auto* bar = new QMenuBar(this);
  CreateMenus(bar);

  m_pRules = new QComboBox(this);
  m_pRules->setObjectName("rules");
  m_pLevel = new QLineEdit(this);
  m_pLevel->setObjectName("level");
  auto* validator = new QDoubleValidator(this);
  validator->setLocale(QLocale::c());
  m_pLevel->setValidator(validator);
  m_pPatterns = new QListWidget(this);
  m_pPatterns->setObjectName("patterns");
  m_pResponse = new QPlainTextEdit(this);
  m_pResponse->setObjectName("response");
  m_pResponse->setTabChangesFocus(true);
  m_pEffects = new QListWidget(this);
  m_pEffects->setObjectName("effects");
  m_pEditButton = new QPushButton("&Edit Rule", this);
  m_pEditButton->setObjectName("edit");
  m_pEditButton->setAutoDefault(false);

  auto* grid = new QGridLayout;
  grid->addWidget(new QLabel("Rule:", this), 0, 0);
  grid->addWidget(m_pRules, 0, 1);
  grid->addWidget(new QLabel("Activation Level:", this), 0, 2);
  grid->addWidget(m_pLevel, 0, 3);
  grid->addWidget(new QLabel("Patterns:", this), 1, 0, 1, 4);
  grid->addWidget(m_pPatterns, 2, 0, 1, 4);
  grid->addWidget(new QLabel("Response:", this), 3, 0, 1, 4);
  grid->addWidget(m_pResponse, 4, 0, 1, 4);
  grid->addWidget(new QLabel("Effects:", this), 5, 0, 1, 4);
  grid->addWidget(m_pEffects, 6, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(2, 2);
  grid->setRowStretch(4, 2);
  grid->setRowStretch(6, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_pEditButton);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(bar);
  layout->addLayout(grid, 1);
  layout->addLayout(buttons);

  connect(m_pRules, &QComboBox::currentIndexChanged, this, [this] { ShowRule(); });
  connect(m_pEditButton, &QPushButton::clicked, this, &CRuleEditorDlg::OnEditSave);
  connect(m_pPatterns, &QListWidget::itemDoubleClicked, this, &CRuleEditorDlg::OnEditPattern);
  connect(m_pEffects, &QListWidget::itemDoubleClicked, this, &CRuleEditorDlg::OnEditEffect);

  m_db.ResetDefaultActivations();
  FillCombo({});
  SetEditing(false);
  resize(560, 520);
}

void CRuleEditorDlg::CreateMenus(QMenuBar* bar) {
  auto add = [this](QMenu* menu, const char* id, const char* text, void (CRuleEditorDlg::*slot)()) {
    QAction* a = menu->addAction(text);
    a->setObjectName(id);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QMenu* file = bar->addMenu("&File");
  add(file, "import", "&Import from File...", &CRuleEditorDlg::OnImport);
  add(file, "export", "&Export to File...", &CRuleEditorDlg::OnExport);
  add(file, "version", "Set Rules &Version...", &CRuleEditorDlg::OnSetVersion);
  file->addSeparator();
  add(file, "exit", "E&xit", &CRuleEditorDlg::OnExit);
  QMenu* rules = bar->addMenu("&Rules");
  add(rules, "newRule", "&New...", &CRuleEditorDlg::OnNewRule);
  m_pDeleteRule = add(rules, "deleteRule", "&Delete", &CRuleEditorDlg::OnDeleteRule);
  QMenu* patterns = bar->addMenu("&Patterns");
  add(patterns, "addPattern", "&Add Pattern...", &CRuleEditorDlg::OnAddPattern);
  add(patterns, "editPattern", "&Edit Pattern...", &CRuleEditorDlg::OnEditPattern);
  add(patterns, "deletePattern", "&Delete Pattern", &CRuleEditorDlg::OnDeletePattern);
  QMenu* effects = bar->addMenu("E&ffects");
  add(effects, "addEffect", "&Add Effect...", &CRuleEditorDlg::OnAddEffect);
  add(effects, "editEffect", "&Edit Effect...", &CRuleEditorDlg::OnEditEffect);
  add(effects, "deleteEffect", "&Delete Effect", &CRuleEditorDlg::OnDeleteEffect);
}

void CRuleEditorDlg::Run(QWidget* pParent, const QString& strDataFolder) {
  RobotSetRulesFile(S(RobotRulesPath(strDataFolder)));
  CRuleDB* db = RobotStop();
  if (!db) {
    QString text = "Unable to acquire Rule Database.";
    if (!RobotGetLastError().empty()) text += "\n\n" + Q(RobotGetLastError());
    QMessageBox::warning(pParent, "Robot Rule Editor", text);
    RobotStart();
    return;
  }
  {
    CRuleEditorDlg dlg(*db, pParent);
    dlg.exec();
  }
  if (!SaveRobotRules())
    QMessageBox::warning(pParent, "Robot Rule Editor",
                         "The robot rules could not be saved.\n\n" + Q(RobotGetLastError()));
  RobotStart();
}

QString CRuleEditorDlg::GetSelectedName() const { return m_pRules->currentText(); }

void CRuleEditorDlg::SelectRule(const QString& strName) {
  const int i = m_pRules->findText(strName);
  if (i >= 0) m_pRules->setCurrentIndex(i);
}

void CRuleEditorDlg::FillCombo(const QString& strSelect) {
  const QSignalBlocker block(m_pRules);
  m_pRules->clear();
  QStringList names;
  for (const CRule& rule : m_db) names << Q(rule.m_strName);
  names.sort(Qt::CaseInsensitive);
  m_pRules->addItems(names);
  const int i = m_pRules->findText(strSelect);
  m_pRules->setCurrentIndex(i >= 0 ? i : (names.isEmpty() ? -1 : 0));
  ShowRule();
}

void CRuleEditorDlg::ClearFields() {
  m_pLevel->setText(QString::number(CRule::kNewRuleActivation));
  m_pResponse->clear();
  m_pPatterns->clear();
  m_pEffects->clear();
}

void CRuleEditorDlg::ShowRule() {
  CRule rule;
  if (!m_db.GetRule(S(GetSelectedName()), rule)) {
    ClearFields();
    UpdateCommands();
    return;
  }
  m_pLevel->setText(QString::number(rule.m_dActivation, 'g', QLocale::FloatingPointShortest));
  m_pResponse->setPlainText(Q(rule.m_strResponse));
  m_pPatterns->clear();
  for (int i = 0; i < rule.GetPatternCount(); ++i) m_pPatterns->addItem(Q(rule.GetPattern(i)));
  m_pEffects->clear();
  for (int i = 0; i < rule.GetModCount(); ++i) m_pEffects->addItem(Q(rule.GetMod(i)));
  UpdateCommands();
}

void CRuleEditorDlg::SetEditing(bool bEditing) {
  m_bEditing = bEditing;
  m_pRules->setEnabled(!bEditing);
  m_pLevel->setReadOnly(!bEditing);
  m_pResponse->setReadOnly(!bEditing);
  m_pPatterns->setEnabled(bEditing);
  m_pEffects->setEnabled(bEditing);
  m_pEditButton->setText(bEditing ? "&Save Rule" : "&Edit Rule");
  UpdateCommands();
}

void CRuleEditorDlg::UpdateCommands() {
  const bool haveRule = m_pRules->currentIndex() >= 0;
  m_pDeleteRule->setEnabled(haveRule);
  m_pEditButton->setEnabled(haveRule);
}

void CRuleEditorDlg::OnEditSave() {
  if (!m_bEditing) {
    if (m_pRules->currentIndex() >= 0) SetEditing(true);
    return;
  }
  SaveIfEditing();
}

bool CRuleEditorDlg::SaveIfEditing() {
  if (!m_bEditing) return true;
  bool ok = false;
  const double level = QLocale::c().toDouble(m_pLevel->text().trimmed(), &ok);
  if (!ok) {
    Tell(this, "The activation level must be a number, such as 0.5.");
    m_pLevel->setFocus();
    return false;
  }
  CRule rule(S(GetSelectedName()), level);
  rule.m_strResponse = S(m_pResponse->toPlainText());
  for (int i = 0; i < m_pPatterns->count(); ++i)
    rule.m_arrPatterns.push_back(CRule::GetPatternFromString(S(m_pPatterns->item(i)->text())));
  for (int i = 0; i < m_pEffects->count(); ++i)
    rule.m_arrMods.push_back(CRule::GetModFromString(S(m_pEffects->item(i)->text())));
  if (!m_db.EditRule(rule)) Tell(this, "Unable to save rule!");
  SetEditing(false);
  return true;
}

void CRuleEditorDlg::OnNewRule() {
  if (!SaveIfEditing()) return;
  CNewRuleDlg dlg(m_db, this);
  if (dlg.exec() != QDialog::Accepted) return;
  const QString name = dlg.GetName();
  m_db.Add(CRule(S(name)));
  FillCombo(name);
  SetEditing(true);
}

void CRuleEditorDlg::OnDeleteRule() {
  const QString name = GetSelectedName();
  if (name.isEmpty()) return;
  // The edits are dropped only once the rule is really going.
  if (!AskYesNo(this, QString("Really delete %1?").arg(name))) return;
  SetEditing(false);
  if (!m_db.DeleteRule(S(name))) {
    Tell(this, "Unable to delete rule!");
    ShowRule();
    return;
  }
  const QSignalBlocker block(m_pRules);
  m_pRules->removeItem(m_pRules->currentIndex());
  ClearFields();
  ShowRule();
}

void CRuleEditorDlg::OnAddPattern() {
  if (m_pRules->currentIndex() < 0) return;
  CPatternDlg dlg(this);
  if (dlg.exec() != QDialog::Accepted) return;
  if (!m_bEditing) SetEditing(true);
  m_pPatterns->addItem(Q(CRule::FormatPattern({dlg.GetLevel(), S(dlg.GetPattern())})));
}

void CRuleEditorDlg::OnEditPattern() {
  QListWidgetItem* item = m_pPatterns->currentItem();
  if (!item) return;
  const CRulePattern old = CRule::GetPatternFromString(S(item->text()));
  CPatternDlg dlg(this);
  dlg.SetPattern(old.m_nActivation, Q(old.m_strPattern));
  if (dlg.exec() != QDialog::Accepted) return;
  item->setText(Q(CRule::FormatPattern({dlg.GetLevel(), S(dlg.GetPattern())})));
}

void CRuleEditorDlg::OnDeletePattern() {
  QListWidgetItem* item = m_pPatterns->currentItem();
  if (!item) return;
  if (AskYesNo(this, "Really delete this pattern?\n\n" + item->text())) delete item;
}

void CRuleEditorDlg::OnAddEffect() {
  if (m_pRules->currentIndex() < 0) return;
  QStringList others;
  for (const CRule& rule : m_db)
    if (Q(rule.m_strName) != GetSelectedName()) others << Q(rule.m_strName);
  CRuleEffectsDlg dlg(others, this);
  if (dlg.exec() != QDialog::Accepted) return;
  if (!m_bEditing) SetEditing(true);
  m_pEffects->addItem(QString("%1: %2").arg(dlg.IsRaise() ? "+" : "-", dlg.GetTargets()));
}

void CRuleEditorDlg::OnEditEffect() {
  QListWidgetItem* item = m_pEffects->currentItem();
  if (!item) return;
  const CRuleMod old = CRule::GetModFromString(S(item->text()));
  QStringList others;
  for (const CRule& rule : m_db)
    if (Q(rule.m_strName) != GetSelectedName()) others << Q(rule.m_strName);
  QSet<QString> selected;
  for (const auto& name : old.m_arrRules) selected.insert(Q(name));
  CRuleEffectsDlg dlg(others, this);
  dlg.SetEffect(old.m_bRaise, selected);
  if (dlg.exec() != QDialog::Accepted) return;
  item->setText(QString("%1: %2").arg(dlg.IsRaise() ? "+" : "-", dlg.GetTargets()));
}

void CRuleEditorDlg::OnDeleteEffect() {
  QListWidgetItem* item = m_pEffects->currentItem();
  if (!item) return;
  if (AskYesNo(this, "Really delete this effect?\n\n" + item->text())) delete item;
}

void CRuleEditorDlg::OnImport() {
  if (!SaveIfEditing()) return;
  const QString path = QFileDialog::getOpenFileName(this, "Import from File", QString(), kTextFilter);
  if (!path.isEmpty()) ImportFromFile(path);
}

void CRuleEditorDlg::ImportFromFile(const QString& strPath) {
  if (!SaveIfEditing()) return;
  CRuleDB imported;
  if (!imported.ImportFromTextFile(S(strPath)) || imported.GetSize() == 0) {
    QString text = "Either this rule file is empty, or there was an error reading the file.";
    if (!imported.GetLastError().empty()) text += "\n\n" + Q(imported.GetLastError());
    Tell(this, text);
    return;
  }
  const QString previous = GetSelectedName();
  QStringList notAdded;
  bool yesToAll = false;
  for (const CRule& rule : imported) {
    const QString name = Q(rule.m_strName);
    if (m_db.FindRule(rule.m_strName) < 0) {
      m_db.Add(rule);
      continue;
    }
    if (!yesToAll) {
      COverwriteDlg ask(name, this);
      const int answer = ask.exec();
      if (answer == COverwriteDlg::kNo) {
        notAdded << name;
        continue;
      }
      if (answer != COverwriteDlg::kYes && answer != COverwriteDlg::kYesToAll) break;
      yesToAll = answer == COverwriteDlg::kYesToAll;
    }
    if (!m_db.DeleteRule(rule.m_strName)) {
      Tell(this, "Unable to remove rule " + name + "!");
      notAdded << name;
      continue;
    }
    m_db.Add(rule);
  }
  if (!notAdded.isEmpty())
    Tell(this, "The following rules already exist in this DB, and were not added:\n" + notAdded.join('\n'));
  m_db.ResetDefaultActivations();
  FillCombo(previous);
  Tell(this, "Finished importing rules.");
  SelectRule(previous);
}

void CRuleEditorDlg::OnExport() {
  if (!SaveIfEditing()) return;
  QString path = QFileDialog::getSaveFileName(this, "Export to File", QString(), kTextFilter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += ".txt";
  ExportToFile(path);
}

void CRuleEditorDlg::ExportToFile(const QString& strPath) {
  if (!SaveIfEditing()) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const bool ok = m_db.ExportToTextFile(S(strPath));
  QApplication::restoreOverrideCursor();
  if (ok)
    Tell(this, "Robot rules written to file " + strPath);
  else
    Tell(this, "Unable to write the robot rules to file " + strPath + "\n\n" + Q(m_db.GetLastError()));
}

void CRuleEditorDlg::OnSetVersion() {
  QInputDialog dlg(this);
  dlg.setWindowTitle("Robot Rules File Version");
  dlg.setLabelText("Set version number for this Rules file here:");
  dlg.setTextValue(Q(m_db.GetVersion()));
  if (dlg.exec() == QDialog::Accepted) m_db.SetVersion(S(dlg.textValue()));
}

void CRuleEditorDlg::OnExit() {
  if (!SaveIfEditing()) return;
  accept();
}

void CRuleEditorDlg::reject() {
  // Escape and the window's close button leave as Exit does.
  if (!SaveIfEditing()) return;
  QDialog::reject();
}
