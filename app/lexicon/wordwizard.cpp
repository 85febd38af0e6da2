#include "wordwizard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reportlist.h"
#include "searchlexicondlg.h"

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CWordWiz* CWWizPage::Sheet() const { return static_cast<CWordWiz*>(wizard()); }

// The word, its part of speech and its definition.
CWWizPage1::CWWizPage1()
    : m_listPos(new QListWidget), m_editWord(new QLineEdit), m_editDefinition(new QLineEdit) {
  setTitle("Define Word");
  for (int code = kPosNoun; code <= kPosQues; ++code) m_listPos->addItem(CKWord::PosName(code));
  m_listPos->setCurrentRow(0);
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Klingon Word"), 0, 0);
  grid->addWidget(m_editWord, 0, 1);
  grid->addWidget(new QLabel("Definition"), 1, 0);
  grid->addWidget(m_editDefinition, 1, 1);
  grid->addWidget(m_listPos, 0, 2, 3, 1);
  for (QLineEdit* edit : {m_editWord, m_editDefinition})
    connect(edit, &QLineEdit::textChanged, this, &QWizardPage::completeChanged);
}

void CWWizPage1::OnSetActive() {
  const CKWord& w = Sheet()->m_word;
  m_strWord = Q(w.m_strWord);
  m_strDefinition = Q(w.m_strDefinition);
  m_strPos = Q(w.Pos());
  m_editWord->setText(m_strWord);
  m_editDefinition->setText(m_strDefinition);
  const auto found = m_listPos->findItems(m_strPos, Qt::MatchStartsWith);
  if (!found.isEmpty() && !m_strPos.isEmpty()) m_listPos->setCurrentItem(found.first());
  emit completeChanged();
}

bool CWWizPage1::isComplete() const {
  return !m_editWord->text().isEmpty() && !m_editDefinition->text().isEmpty();
}

bool CWWizPage1::validatePage() {
  m_strWord = m_editWord->text();
  m_strDefinition = m_editDefinition->text();
  m_strPos = m_listPos->currentItem() ? m_listPos->currentItem()->text() : QString("noun");
  CKWord& w = Sheet()->m_word;
  w.m_strWord = m_strWord.toStdString();
  w.m_strDefinition = m_strDefinition.toStdString();
  w.SetPos(m_strPos.toStdString());
  return true;
}

int CWWizPage1::nextId() const {
  switch (Sheet()->m_word.m_nPos) {
    case kPosNoun:
    case kPosPronoun: return CWordWiz::Page2;
    case kPosVerb: return CWordWiz::Page3;
    default: return CWordWiz::Page4;
  }
}

// Nouns and pronouns: the kind of noun and its plural.
CWWizPage2::CWWizPage2()
    : m_groupType(new QButtonGroup(this)),
      m_checkInherentPlural(new QCheckBox("Inherent Plural")),
      m_checkIrregular(new QCheckBox("Irregular Singular/Plural")),
      m_editIrregularForm(new QLineEdit) {
  setTitle("Noun/Pronoun");
  auto* typeBox = new QGroupBox("Word Type");
  auto* typeLayout = new QVBoxLayout(typeBox);
  int id = 0;
  for (const char* text : {"General", "Body Part", "Capable of Language"}) {
    auto* radio = new QRadioButton(text);
    m_groupType->addButton(radio, id++);
    typeLayout->addWidget(radio);
  }
  auto* pluralBox = new QGroupBox("Plural");
  auto* pluralLayout = new QVBoxLayout(pluralBox);
  pluralLayout->addWidget(m_checkInherentPlural);
  pluralLayout->addWidget(m_checkIrregular);
  pluralLayout->addWidget(m_editIrregularForm);
  m_editIrregularForm->setEnabled(false);
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(typeBox);
  layout->addWidget(pluralBox);
  connect(m_checkIrregular, &QCheckBox::clicked, this, &CWWizPage2::OnIrregular);
}

void CWWizPage2::ReadControls() {
  m_nNounType = m_groupType->checkedId();
  m_bInherentPlural = m_checkInherentPlural->isChecked();
  m_bIrregular = m_checkIrregular->isChecked();
  m_strIrregularForm = m_editIrregularForm->text();
}

void CWWizPage2::OnSetActive() {
  const CKWord& w = Sheet()->m_word;
  m_nNounType = w.m_bBodyPart ? 1 : w.m_bBeing ? 2 : 0;
  m_bInherentPlural = w.m_bInherentPlural;
  m_bIrregular = w.m_bIrregular;
  if (m_bIrregular) m_strIrregularForm = Q(w.m_strIrregularForm);
  m_groupType->button(m_nNounType)->setChecked(true);
  m_checkInherentPlural->setChecked(m_bInherentPlural);
  m_checkIrregular->setChecked(m_bIrregular);
  m_editIrregularForm->setText(m_strIrregularForm);
  // An irregular noun's form must be editable from the start.
  m_editIrregularForm->setEnabled(m_bIrregular);
}

void CWWizPage2::OnIrregular() {
  ReadControls();
  m_editIrregularForm->setEnabled(m_bIrregular);
}

bool CWWizPage2::validatePage() {
  ReadControls();
  CKWord& w = Sheet()->m_word;
  w.m_bBodyPart = m_nNounType == 1;
  w.m_bBeing = m_nNounType == 2;
  w.m_bInherentPlural = m_bInherentPlural;
  w.m_bIrregular = m_bIrregular;
  w.m_strIrregularForm = m_bIrregular ? m_strIrregularForm.toStdString() : std::string();
  return true;
}

int CWWizPage2::nextId() const { return CWordWiz::Page4; }

CWWizPage3::CWWizPage3() : m_checkStative(new QCheckBox("Stative Verb")) {
  setTitle("Verbs");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_checkStative);
  layout->addStretch();
}

void CWWizPage3::OnSetActive() {
  m_bStative = Sheet()->m_word.m_bStative;
  m_checkStative->setChecked(m_bStative);
}

bool CWWizPage3::validatePage() {
  OnWizardBack();
  return true;
}

void CWWizPage3::OnWizardBack() {
  m_bStative = m_checkStative->isChecked();
  Sheet()->m_word.m_bStative = m_bStative;
}

int CWWizPage3::nextId() const { return CWordWiz::Page4; }

CWWizPage4::CWWizPage4() : m_listSynonyms(new QTreeWidget), m_listAntonyms(new QTreeWidget) {
  setTitle("Synonyms / Antonyms");
  auto* grid = new QGridLayout(this);
  const char* labels[2] = {"Synonyms", "Antonyms"};
  for (int list = 0; list < 2; ++list) {
    QTreeWidget* tree = List(list);
    SetReportListStyle(tree);
    tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    tree->setHeaderLabels({"", "Word"});
    tree->setColumnHidden(0, true);
    tree->setColumnWidth(1, 100);
    m_btnAdd[list] = new QPushButton("Add");
    m_btnDelete[list] = new QPushButton("Delete");
    m_btnDelete[list]->setEnabled(false);
    grid->addWidget(new QLabel(labels[list]), list * 2, 0);
    grid->addWidget(tree, list * 2 + 1, 0, 1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_btnAdd[list]);
    buttons->addWidget(m_btnDelete[list]);
    buttons->addStretch();
    grid->addLayout(buttons, list * 2 + 1, 1);
    connect(m_btnAdd[list], &QPushButton::clicked, this, [this, list] { OnAdd(list); });
    connect(m_btnDelete[list], &QPushButton::clicked, this, [this, list] { OnDelete(list); });
    connect(tree, &QTreeWidget::itemSelectionChanged, this, &CWWizPage4::UpdateButtons);
  }
}

bool CWWizPage4::AddRow(const std::string& key, int list) {
  const CKLex* lex = Sheet()->m_pLexicon;
  const CKWord* w = lex ? lex->Lookup(key) : nullptr;
  if (!w) return false;
  new QTreeWidgetItem(List(list), {Q(key), QString("%1 (%2), %3").arg(Q(w->m_strWord),
                                                                      Q(w->Pos()),
                                                                      Q(w->m_strDefinition))});
  return true;
}

void CWWizPage4::OnSetActive() {
  CKWord& w = Sheet()->m_word;
  m_listSynonyms->clear();
  m_listAntonyms->clear();
  // Keys that have left the lexicon are dropped here.
  std::erase_if(w.m_lstSynonyms, [this](const std::string& key) { return !AddRow(key, 0); });
  std::erase_if(w.m_lstAntonyms, [this](const std::string& key) { return !AddRow(key, 1); });
  UpdateButtons();
}

void CWWizPage4::OnAdd(int list) {
  CSearchLexiconDlg picker;
  picker.m_pLexicon = Sheet()->m_pLexicon;
  picker.m_strTypeToSelect = Q(Sheet()->m_word.Pos());
  picker.exec();
  for (const QString& key : picker.m_lstSelectedKeys) AddRow(key.toStdString(), list);
  UpdateButtons();
}

void CWWizPage4::OnDelete(int list) {
  qDeleteAll(List(list)->selectedItems());
  UpdateButtons();
}

void CWWizPage4::UpdateButtons() {
  for (int list = 0; list < 2; ++list)
    m_btnDelete[list]->setEnabled(!List(list)->selectedItems().isEmpty());
}

void CWWizPage4::StoreLists() {
  CKWord& w = Sheet()->m_word;
  for (int list = 0; list < 2; ++list) {
    CStringList& keys = list == 0 ? w.m_lstSynonyms : w.m_lstAntonyms;
    keys.clear();
    QTreeWidget* tree = List(list);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
      keys.push_back(tree->topLevelItem(i)->text(0).toStdString());
  }
}

bool CWWizPage4::validatePage() {
  StoreLists();
  return true;
}

void CWWizPage4::OnWizardBack() { StoreLists(); }

CWordWiz::CWordWiz(const QString& title, QWidget* parent)
    : QWizard(parent),
      m_page1(new CWWizPage1),
      m_page2(new CWWizPage2),
      m_page3(new CWWizPage3),
      m_page4(new CWWizPage4) {
  setWindowTitle(title);
  setWizardStyle(QWizard::ClassicStyle);
  setOption(QWizard::NoBackButtonOnStartPage);
  setPage(Page1, m_page1);
  setPage(Page2, m_page2);
  setPage(Page3, m_page3);
  setPage(Page4, m_page4);
  setStartId(Page1);
  connect(this, &QWizard::currentIdChanged, this, [this](int id) {
    if (auto* p = dynamic_cast<CWWizPage*>(page(id))) p->OnSetActive();
  });
}

int CWordWiz::exec() {
  m_strStartWord = Q(m_word.m_strWord);
  return QWizard::exec();
}
