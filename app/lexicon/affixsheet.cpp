#include "affixsheet.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reportlist.h"
#include "sortclass.h"

namespace {

// Reference texts for the user; the analyser keeps its own tables.
const QList<CAffixRow> kNounSuffixes = {
    {{"'a'", "1", "augmentative"}},
    {{"'e'", "5", "topic / focus"}},
    {{"chaj", "4", "their"}},
    {{"Daj", "4", "his/her"}},
    {{"Daq", "5", "in, at (locative)"}},
    {{"Du'", "2", "plural (body parts)"}},
    {{"Hey", "3", "apparent"}},
    {{"Hom", "1", "diminutive"}},
    {{"lI'", "4", "your (beings capable of language)"}},
    {{"lIj", "4", "your"}},
    {{"ma'", "4", "our (beings capable of language)"}},
    {{"maj", "4", "our"}},
    {{"mey", "2", "plural"}},
    {{"mo'", "5", "due to, because"}},
    {{"na'", "3", "definite"}},
    {{"oy", "1", "dear"}},
    {{"pu'", "2", "plural (beings capable of language)"}},
    {{"qoq", "3", "so-called"}},
    {{"ra'", "4", "your (beings capable of language)"}},
    {{"raj", "4", "your"}},
    {{"vaD", "5", "for"}},
    {{"vam", "4", "this"}},
    {{"vetlh", "4", "that"}},
    {{"vo'", "5", "from"}},
    {{"wI'", "4", "my (beings capable of language)"}},
    {{"wIj", "4", "my"}},
};

const QList<CAffixRow> kVerbPrefixes = {
    {{"bI", "you", ""}},
    {{"bo", "you (plural)", "him/her/it/them"}},
    {{"che", "you (plural)", "us"}},
    {{"cho", "you", "me"}},
    {{"Da", "you", "him/her/it/them"}},
    {{"DI", "we", "them"}},
    {{"Du", "he/she/it", "you"}},
    {{"gho", "you (imperative:sg/pl)", "us"}},
    {{"HI", "you (imperative:sg/pl)", "me"}},
    {{"jI", "I", ""}},
    {{"ju", "you", "us"}},
    {{"lI", "he/she/it/they", "you (plural)"}},
    {{"lu", "they", "him/her/it"}},
    {{"ma", "we", ""}},
    {{"mu", "he/she/it/they", "me"}},
    {{"nI", "they", "you"}},
    {{"nu", "he/she/it/they", "us"}},
    {{"pe", "you (imperative:pl)", ""}},
    {{"pI", "we", "you"}},
    {{"qa", "I", "you"}},
    {{"re", "we", "you (plural)"}},
    {{"Sa", "I", "you (plural)"}},
    {{"Su", "you (plural)", ""}},
    {{"tI", "you (imperative:sg/pl)", "them"}},
    {{"tu", "you (plural)", "me"}},
    {{"vI", "I", "him/her/it/them"}},
    {{"wI", "we", "him/her/it"}},
    {{"yI", "you (imperative:sg/pl)", "(no object)/him/her/it"}},
};

// The rovers have no type number and show as "Rover".
const QList<CAffixRow> kVerbSuffixes = {
    {{"'a'", "9", "interrogative"}},
    {{"'egh", "1", "oneself (singular subject)"}},
    {{"ba'", "6", "obviously"}},
    {{"be'", "Rover", "not"}},
    {{"beH", "2", "ready to (for devices)"}},
    {{"bej", "6", "certainly"}},
    {{"bogh", "9", "which"}},
    {{"choH", "3", "change of state"}},
    {{"chu'", "6", "clearly"}},
    {{"chugh", "9", "if"}},
    {{"chuq", "1", "one another (plural subjects)"}},
    {{"DI'", "9", "as soon as, when"}},
    {{"ghach", "9", "nominalizer"}},
    {{"Ha'", "Rover", "mis- or un-"}},
    {{"jaj", "9", "may"}},
    {{"laH", "5", "can"}},
    {{"law'", "6", "apparently"}},
    {{"lI'", "7", "in-progress aspect"}},
    {{"lu'", "5", "indefinite subject"}},
    {{"meH", "9", "for, purpose"}},
    {{"mo'", "9", "because of"}},
    {{"moH", "4", "cause to"}},
    {{"neS", "8", "honorific"}},
    {{"nIS", "2", "need to"}},
    {{"pa'", "9", "before"}},
    {{"pu'", "7", "perfective aspect"}},
    {{"qa'", "3", "do again"}},
    {{"qang", "2", "willing to"}},
    {{"Qo'", "Rover", "don't"}},
    {{"qu'", "Rover", "really"}},
    {{"rup", "2", "ready to"}},
    {{"ta'", "7", "perfective aspect"}},
    {{"taH", "7", "continuous aspect"}},
    {{"vIp", "2", "afraid to"}},
    {{"vIS", "9", "while"}},
    {{"wI'", "9", "one/thing which is/does"}},
};

// Subject, then the prefix for each object from "None" to "Them".
const char* const kChartRows[8][8] = {
    {"I", "jI-", "--", "qa-", "vI-", "--", "Sa-", "vI-"},
    {"You", "bI-", "cho-", "--", "Da-", "ju-", "--", "Da-"},
    {"He, She, It", "0", "mu-", "Du-", "0", "nu-", "lI-", "0"},
    {"We", "ma-", "--", "pI-", "wI-", "--", "re-", "DI-"},
    {"You (plural)", "Su-", "tu-", "--", "bo-", "che-", "--", "bo-"},
    {"They", "0", "mu-", "nI-", "lu-", "nu-", "lI-", "0"},
    {"You", "yI-", "HI-", "--", "yI-", "gho-", "--", "tI-"},
    {"You (plural)", "pe-", "HI-", "--", "yI-", "gho-", "--", "tI-"},
};
const char* const kChartObjects[7] = {"None", "Me", "You", "Him, Her It", "Us", "You (Plural)",
                                      "Them"};

}  // namespace

CAffixListPage::CAffixListPage(const QList<Column>& columns, const QList<CAffixRow>& rows,
                               QWidget* parent)
    : QWidget(parent), m_list(new QTreeWidget(this)) {
  SetReportListStyle(m_list);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  QStringList titles;
  for (const Column& c : columns) titles << c.pszTitle;
  m_list->setHeaderLabels(titles);
  for (int i = 0; i < columns.size(); ++i) m_list->setColumnWidth(i, columns[i].nWidth);
  for (const CAffixRow& row : rows) {
    QStringList texts;
    for (int i = 0; i < columns.size(); ++i) texts << QString::fromUtf8(row.pszColumns[i]);
    new QTreeWidgetItem(m_list, texts);
  }
  CSortClass(m_list, 0).Sort(true, CSortClass::Text);
  m_list->header()->setSectionsClickable(true);
  connect(m_list->header(), &QHeaderView::sectionClicked, this, &CAffixListPage::OnColumnClick);
}

void CAffixListPage::OnColumnClick(int column) {
  m_bAscending = column == m_nLastColumn ? !m_bAscending : true;
  m_nLastColumn = column;
  CSortClass(m_list, column).Sort(m_bAscending, CSortClass::Text);
  m_list->header()->setSortIndicatorShown(true);
  m_list->header()->setSortIndicator(column, m_bAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
}

CNSuffPage::CNSuffPage(QWidget* parent)
    : CAffixListPage({{"Suffix", 60}, {"Type", 40}, {"Meaning", 100}}, kNounSuffixes, parent) {}

CVPrefPage::CVPrefPage(QWidget* parent)
    : CAffixListPage({{"Prefix", 60}, {"Subject", 60}, {"Object", 60}}, kVerbPrefixes, parent) {}

CVSuffPage::CVSuffPage(QWidget* parent)
    : CAffixListPage({{"Suffix", 60}, {"Type", 40}, {"Meaning", 100}}, kVerbSuffixes, parent) {}

CPrefChartPage::CPrefChartPage(QWidget* parent) : QWidget(parent) {
  auto* grid = new QGridLayout(this);
  auto bold = [](const QString& text) {
    auto* label = new QLabel(text);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
  };
  grid->addWidget(bold("Object"), 0, 1, 1, 7, Qt::AlignHCenter);
  grid->addWidget(bold("Subject"), 1, 0);
  for (int c = 0; c < 7; ++c) grid->addWidget(bold(kChartObjects[c]), 1, c + 1, Qt::AlignHCenter);
  for (int r = 0; r < 8; ++r) {
    // The imperative rows follow after a gap.
    const int row = r < 6 ? r + 2 : r + 3;
    grid->addWidget(bold(kChartRows[r][0]), row, 0);
    for (int c = 1; c < 8; ++c) {
      auto* cell = new QLabel(kChartRows[r][c]);
      cell->setAlignment(Qt::AlignCenter);
      grid->addWidget(cell, row, c);
    }
  }
  grid->setRowMinimumHeight(8, 12);
  grid->setRowStretch(11, 1);
}

CAffixSheet::CAffixSheet(QWidget* owner)
    : QDialog(owner),
      m_pageNSuff(new CNSuffPage),
      m_pageVPref(new CVPrefPage),
      m_pageVSuff(new CVSuffPage),
      m_pageChart(new CPrefChartPage),
      m_tabs(new QTabWidget(this)) {
  setWindowTitle("Affixes");
  m_tabs->addTab(m_pageNSuff, "Noun Suffixes");
  m_tabs->addTab(m_pageVPref, "Verb Prefixes");
  m_tabs->addTab(m_pageVSuff, "Verb Suffixes");
  m_tabs->addTab(m_pageChart, "Prefix Chart");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_tabs);
  resize(480, 420);
}

void CAffixSheet::ShowPage(int page) {
  m_tabs->setCurrentIndex(page);
  if (!isVisible()) show();
  raise();
  activateWindow();
}

int CAffixSheet::ActivePage() const { return m_tabs->currentIndex(); }
