#include "ruledialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <climits>

#include "rules/ruledb.h"

namespace {

QDialogButtonBox* OkCancel(QDialog* dlg) {
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dlg);
  QObject::connect(box, &QDialogButtonBox::accepted, dlg, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dlg, &QDialog::reject);
  return box;
}

}  // namespace

CNewRuleDlg::CNewRuleDlg(const CRuleDB& db, QWidget* pParent) : QDialog(pParent), m_db(db) {
  setWindowTitle("New Rule");
  m_pHeader = new QLineEdit(this);
  m_pHeader->setObjectName("header");
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("<", this));
  row->addWidget(m_pHeader, 1);
  row->addWidget(new QLabel(">", this));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(OkCancel(this));
  resize(320, height());
}

QString CNewRuleDlg::GetName() const { return "<" + m_pHeader->text() + ">"; }

void CNewRuleDlg::accept() {
  const QString header = m_pHeader->text();
  QString problem;
  if (header.contains('<') || header.contains('>'))
    problem = "A rule name cannot contain \"<\" or \">\": they separate the rule names of an effect.";
  else if (header.trimmed().isEmpty())
    problem = "Please type a name for the rule.";
  else if (!CRule::IsValidName(GetName().toStdString()))
    problem = "A rule name cannot contain tabs or line breaks.";
  else if (CRule rule; m_db.GetRule(GetName().toStdString(), rule))
    problem = QString("Rule <%1> is already defined.  Please choose another name.").arg(header);
  if (!problem.isEmpty()) {
    QMessageBox::warning(this, windowTitle(), problem);
    m_pHeader->setFocus();
    return;
  }
  QDialog::accept();
}

CPatternDlg::CPatternDlg(QWidget* pParent) : QDialog(pParent) {
  setWindowTitle("Pattern Definition Dialog");
  m_pLevel = new QSpinBox(this);
  m_pLevel->setObjectName("level");
  m_pLevel->setRange(INT_MIN / 2, INT_MAX / 2);
  m_pLevel->setValue(100);
  m_pPattern = new QPlainTextEdit(this);
  m_pPattern->setObjectName("pattern");
  m_pPattern->setTabChangesFocus(true);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Activation Level", this));
  layout->addWidget(m_pLevel);
  layout->addWidget(new QLabel("Pattern", this));
  layout->addWidget(m_pPattern, 1);
  layout->addWidget(OkCancel(this));
  resize(360, 220);
}

void CPatternDlg::SetPattern(int nLevel, const QString& strPattern) {
  m_pLevel->setValue(nLevel);
  m_pPattern->setPlainText(strPattern);
}

int CPatternDlg::GetLevel() const { return m_pLevel->value(); }
QString CPatternDlg::GetPattern() const { return m_pPattern->toPlainText(); }

CRuleEffectsDlg::CRuleEffectsDlg(const QStringList& names, QWidget* pParent) : QDialog(pParent) {
  setWindowTitle("Rule Effects Dlg");
  auto* text = new QLabel(
      "When this rule is activated, it can modify the activation level of other rules", this);
  text->setWordWrap(true);
  m_pRaise = new QRadioButton("+", this);
  m_pRaise->setObjectName("raise");
  m_pRaise->setChecked(true);
  m_pLower = new QRadioButton("-", this);
  m_pLower->setObjectName("lower");
  m_pNames = new QListWidget(this);
  m_pNames->setObjectName("names");
  m_pNames->setSelectionMode(QAbstractItemView::MultiSelection);
  m_pNames->addItems(names);
  m_pNames->sortItems();
  auto* signs = new QHBoxLayout;
  signs->addWidget(m_pRaise);
  signs->addWidget(m_pLower);
  signs->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addLayout(signs);
  layout->addWidget(m_pNames, 1);
  layout->addWidget(OkCancel(this));
  resize(340, 360);
}

void CRuleEffectsDlg::SetEffect(bool bRaise, const QSet<QString>& selected) {
  (bRaise ? m_pRaise : m_pLower)->setChecked(true);
  for (int i = 0; i < m_pNames->count(); ++i)
    m_pNames->item(i)->setSelected(selected.contains(m_pNames->item(i)->text()));
}

bool CRuleEffectsDlg::IsRaise() const { return m_pRaise->isChecked(); }

QString CRuleEffectsDlg::GetTargets() const {
  QString joined;
  for (int i = 0; i < m_pNames->count(); ++i)
    if (m_pNames->item(i)->isSelected()) joined += m_pNames->item(i)->text();
  return joined;
}

COverwriteDlg::COverwriteDlg(const QString& strName, QWidget* pParent) : QDialog(pParent) {
  setWindowTitle("Overwrite rule?");
  auto* name = new QLabel(strName, this);
  name->setObjectName("name");
  QFont bold = name->font();
  bold.setBold(true);
  name->setFont(bold);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  auto add = [&](const char* text, Answer answer) {
    auto* b = new QPushButton(text, this);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, answer] { done(answer); });
    buttons->addWidget(b);
    return b;
  };
  add("&Yes", kYes);
  add("Yes to &All", kYesToAll);
  add("&No", kNo)->setDefault(true);
  add("&Cancel", kCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(name);
  layout->addWidget(new QLabel("This rule already exists in your rule database.", this));
  layout->addWidget(new QLabel("Overwrite?", this));
  layout->addLayout(buttons);
}
