#include "searchlexicondlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QHideEvent>
#include <QShowEvent>
#include <algorithm>

#include "reportlist.h"
#include "sortclass.h"
#include "wordinfodlg.h"

namespace {

enum Column { kWord, kType, kDefinition, kKey };
constexpr int kAnyType = 8;

QString Q(const std::string& s) { return QString::fromStdString(s); }

bool Matches(const std::string& field, const std::string& find, int mode) {
  if (find == "*") return true;
  switch (mode) {
    case 0: return field.find(find) != std::string::npos;
    case 1: return field == find;
    case 2: return field.starts_with(find);
    case 3: return field.ends_with(find);
    default: return false;
  }
}

}  // namespace

CSearchLexiconDlg::CSearchLexiconDlg(QWidget* pOwner)
    : QDialog(pOwner),
      m_pOwner(pOwner),
      m_listResults(new QTreeWidget),
      m_comboType(new QComboBox),
      m_comboField(new QComboBox),
      m_comboMode(new QComboBox),
      m_editFind(new QLineEdit),
      m_staticMatches(new QLabel),
      m_btnSearch(new QPushButton("Search")),
      m_btnInfo(new QPushButton("&Info")),
      m_btnCanon(new QPushButton("&Find in Canon")),
      m_btnClear(new QPushButton("Clear List")),
      m_btnDone(new QPushButton("Done")) {
  setWindowTitle("Search Lexicon");
  m_comboType->addItems({"noun", "verb", "pronoun", "adverb", "number", "conjunction",
                         "exclamation", "question word", "any type"});
  m_comboField->addItems({"definition", "notes", "word"});
  m_comboMode->addItems({"contains", "is", "starts with", "ends with"});

  auto* top = new QHBoxLayout;
  top->addWidget(new QLabel("Find"));
  top->addWidget(m_comboType);
  top->addWidget(m_editFind, 1);
  top->addWidget(new QLabel("where"));
  top->addWidget(m_comboField);
  top->addWidget(m_comboMode);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {m_btnSearch, m_btnInfo, m_btnCanon, m_btnClear, m_btnDone}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* matches = new QHBoxLayout;
  matches->addWidget(new QLabel("Matches:"));
  matches->addWidget(m_staticMatches, 1);
  buttons->addLayout(matches);
  auto* grid = new QGridLayout(this);
  grid->addLayout(top, 0, 0, 1, 2);
  grid->addWidget(m_listResults, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->setColumnStretch(0, 1);
  m_btnSearch->setDefault(true);

  SetReportListStyle(m_listResults);
  m_listResults->setSelectionMode(QAbstractItemView::ExtendedSelection);
  m_listResults->setHeaderLabels({"Word", "Type", "Definition", ""});
  m_listResults->setColumnWidth(kWord, 80);
  m_listResults->setColumnWidth(kType, 40);
  m_listResults->setColumnWidth(kDefinition, 200);
  m_listResults->setColumnHidden(kKey, true);
  resize(660, 380);

  connect(m_btnSearch, &QPushButton::clicked, this, &CSearchLexiconDlg::OnSearch);
  connect(m_btnInfo, &QPushButton::clicked, this, &CSearchLexiconDlg::OnInfo);
  connect(m_btnCanon, &QPushButton::clicked, this, &CSearchLexiconDlg::OnFindInCanon);
  connect(m_btnClear, &QPushButton::clicked, this, &CSearchLexiconDlg::OnClearList);
  connect(m_btnDone, &QPushButton::clicked, this, &CSearchLexiconDlg::OnDone);
  connect(m_listResults, &QTreeWidget::itemSelectionChanged, this,
          &CSearchLexiconDlg::OnSelectionChanged);
  connect(m_listResults, &QTreeWidget::itemDoubleClicked, this,
          &CSearchLexiconDlg::OnFindInCanon);
}

CSearchLexiconDlg::~CSearchLexiconDlg() = default;

void CSearchLexiconDlg::Create() { OnInitDialog(); }

int CSearchLexiconDlg::exec() {
  OnInitDialog();
  return QDialog::exec();
}

void CSearchLexiconDlg::OnInitDialog() {
  // The usual prefix choice of a combo box; a text that begins no item means
  // no filter.
  int type = kAnyType;
  for (int i = 0; i < m_comboType->count(); ++i)
    if (m_comboType->itemText(i).startsWith(m_strTypeToSelect, Qt::CaseInsensitive)) {
      type = i;
      break;
    }
  m_comboType->setCurrentIndex(type);
  m_lstSelectedKeys.clear();
  if (!m_pInfoDlg) {
    m_pInfoDlg = new CWordInfoDlg(this, m_pLexicon);
    m_pInfoDlg->Create();
  }
  m_btnCanon->setEnabled(bool(m_findInCanon));
  m_editFind->setFocus();
}

void CSearchLexiconDlg::ReadControls() {
  m_nType = m_comboType->currentIndex();
  m_strFind = m_editFind->text();
  m_strField = m_comboField->currentText();
  m_nMode = m_comboMode->currentIndex();
}

void CSearchLexiconDlg::WriteControls() {
  m_comboType->setCurrentIndex(m_nType);
  m_editFind->setText(m_strFind);
  m_comboField->setCurrentText(m_strField);
  m_comboMode->setCurrentIndex(m_nMode);
  m_staticMatches->setText(m_strMatches);
}

void CSearchLexiconDlg::OnSearch() {
  ReadControls();
  if (m_strFind.isEmpty() || !m_pLexicon) return;
  const std::string find = m_strFind.toStdString();
  auto field = [this](const CKWord& w) -> const std::string* {
    if (m_strField == "word") return &w.m_strWord;
    if (m_strField == "definition") return &w.m_strDefinition;
    if (m_strField == "notes") return &w.m_strNotes;
    return nullptr;
  };
  QList<QTreeWidgetItem*> rows;
  for (const auto& [key, w] : *m_pLexicon) {
    if (m_nType != kAnyType && m_nType != w.m_nPos) continue;
    const std::string* text = field(w);
    if (!Matches(text ? *text : std::string(), find, m_nMode)) continue;
    rows << new QTreeWidgetItem({Q(w.m_strWord), Q(w.Pos()), Q(w.m_strDefinition), Q(key)});
  }
  // Earlier rows stay; a hit found again is listed again.
  m_listResults->addTopLevelItems(rows);
  CSortClass(m_listResults, kKey).Sort(true, CSortClass::Text);
  m_strFind.clear();
  m_strMatches = QString::number(m_listResults->topLevelItemCount());
  WriteControls();
}

void CSearchLexiconDlg::OnClearList() {
  ReadControls();
  m_listResults->clear();
  m_strMatches.clear();
  m_lstSelectedKeys.clear();
  m_btnSearch->setFocus();
  WriteControls();
}

void CSearchLexiconDlg::OnInfo() {
  if (!m_pInfoDlg) return;
  m_pInfoDlg->setVisible(!m_pInfoDlg->isVisible());
}

void CSearchLexiconDlg::OnSelectionChanged() {
  if (!m_pInfoDlg) return;
  m_pInfoDlg->Clear();
  const QList<QTreeWidgetItem*> selected = m_listResults->selectedItems();
  if (selected.isEmpty() || !m_pLexicon) return;
  // The first selected row in list order, not in order of selection.
  QTreeWidgetItem* first = *std::min_element(selected.begin(), selected.end(),
      [this](QTreeWidgetItem* a, QTreeWidgetItem* b) {
        return m_listResults->indexOfTopLevelItem(a) < m_listResults->indexOfTopLevelItem(b);
      });
  if (const CKWord* w = m_pLexicon->Lookup(first->text(kKey).toStdString())) m_pInfoDlg->Fill(*w);
}

void CSearchLexiconDlg::OnFindInCanon() {
  if (!m_findInCanon) return;
  QString word;
  for (int i = 0; i < m_listResults->topLevelItemCount() && word.isEmpty(); ++i)
    if (m_listResults->topLevelItem(i)->isSelected()) word = m_listResults->topLevelItem(i)->text(kWord);
  m_findInCanon(word);
}

void CSearchLexiconDlg::OnDone() {
  if (m_pOwner)
    hide();
  else
    accept();
}

void CSearchLexiconDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  m_editFind->setFocus();
}

void CSearchLexiconDlg::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  ReadControls();
  m_lstSelectedKeys.clear();
  for (int i = 0; i < m_listResults->topLevelItemCount(); ++i)
    if (m_listResults->topLevelItem(i)->isSelected())
      m_lstSelectedKeys << m_listResults->topLevelItem(i)->text(kKey);
  if (m_pOwner) m_pOwner->activateWindow();
}
