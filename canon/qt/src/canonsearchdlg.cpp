#include "canon/canonsearchdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "canon/canonsearch.h"
#include "canon/entrydb.h"

namespace {

const char* const kEmptyCanon =
    "The canon database is empty.\n\n"
    "It holds sentences quoted from the printed sources, with their English and where they "
    "were found. The program ships without them; build canon.klx on your own machine from the "
    "open Klingon dictionary data with\n\n"
    "    vek-canon import FOLDER canon.klx\n\n"
    "where FOLDER is a copy of that data, then put canon.klx in the program's data folder "
    "(see \"Canon sentences\" in the README). The Canon Editor adds sentences by hand.";

}  // namespace

CCanonSearch::CCanonSearch(const CEntryDB& db, QWidget* pParent) : QDialog(pParent), m_db(db) {
  setWindowTitle("Search Canon");
  setModal(true);
  m_pWord = new QLineEdit(this);
  m_pWord->setObjectName("word");
  m_pWhole = new QCheckBox("&Whole words only", this);
  m_pWhole->setObjectName("whole");
  auto* search = new QPushButton("&Search", this);
  search->setObjectName("search");
  search->setDefault(true);

  m_pResults = new QTreeWidget(this);
  m_pResults->setObjectName("results");
  m_pResults->setHeaderLabels({"Klingon", "English", "Source"});
  m_pResults->setRootIsDecorated(false);
  m_pResults->setAlternatingRowColors(true);
  m_pResults->setWordWrap(true);
  m_pResults->header()->setSectionResizeMode(QHeaderView::Interactive);
  m_pResults->setColumnWidth(0, 260);
  m_pResults->setColumnWidth(1, 260);
  m_pStatus = new QLabel(this);
  m_pStatus->setObjectName("status");
  m_pStatus->setWordWrap(true);
  m_pStatus->setAlignment(Qt::AlignCenter);
  m_pStatus->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_pStatus->setMargin(16);
  m_pStack = new QStackedWidget(this);
  m_pStack->addWidget(m_pResults);
  m_pStack->addWidget(m_pStatus);

  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(search, &QPushButton::clicked, this, &CCanonSearch::Search);
  connect(m_pWhole, &QCheckBox::toggled, this, &CCanonSearch::Search);

  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("&Word:", this));
  row->addWidget(m_pWord, 1);
  row->addWidget(search);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  layout->addWidget(m_pWhole);
  layout->addWidget(m_pStack, 1);
  layout->addWidget(close);
  static_cast<QLabel*>(row->itemAt(0)->widget())->setBuddy(m_pWord);
  resize(760, 440);
  Search();
}

void CCanonSearch::SetWord(const QString& strWord) { m_pWord->setText(strWord); }
void CCanonSearch::SetWholeWords(bool bWhole) { m_pWhole->setChecked(bWhole); }
int CCanonSearch::GetResultCount() const { return m_pResults->topLevelItemCount(); }
QString CCanonSearch::GetStatusText() const {
  return m_pStack->currentWidget() == m_pStatus ? m_pStatus->text() : QString();
}

void CCanonSearch::Search() {
  m_pResults->clear();
  const QString word = m_pWord->text().trimmed();
  if (m_db.GetCount() == 0) {
    m_pStatus->setText(kEmptyCanon);
    m_pStack->setCurrentWidget(m_pStatus);
    return;
  }
  if (word.isEmpty()) {
    m_pStatus->setText(QString("%1 canon sentences. Type a Klingon word to find the sentences that "
                               "hold it; without \"Whole words only\", \"Sop\" also finds \"vISop\".")
                           .arg(m_db.GetCount()));
    m_pStack->setCurrentWidget(m_pStatus);
    return;
  }
  const CanonMatch how = m_pWhole->isChecked() ? CanonMatch::kWholeWord : CanonMatch::kInsideWord;
  for (size_t i : SearchCanon(m_db, word.toStdString(), how)) {
    const CCanonEntry& e = m_db.GetEntries()[i];
    auto* item = new QTreeWidgetItem(m_pResults, {QString::fromStdString(e.m_strKlingon),
                                                  QString::fromStdString(e.m_strEnglish),
                                                  QString::fromStdString(e.m_strSource)});
    for (int c = 0; c < 3; ++c) item->setToolTip(c, item->text(c));
  }
  if (m_pResults->topLevelItemCount() == 0) {
    m_pStatus->setText(QString("No canon sentence holds \"%1\".").arg(word));
    m_pStack->setCurrentWidget(m_pStatus);
    return;
  }
  m_pStack->setCurrentWidget(m_pResults);
}

void FindInCanon(QWidget* pParent, const CEntryDB& db, const QString& strWord) {
  CCanonSearch dlg(db, pParent);
  dlg.SetWord(strWord);
  dlg.Search();
  dlg.exec();
}
