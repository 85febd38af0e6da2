#include "translatedlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "languagetext.h"
#include "morphan/klingonparser.h"
#include "morphan/report.h"
#include "reportlist.h"
#include "sortclass.h"
#include "vekapp.h"
#include "wordinfodlg.h"

namespace {

// A row owns a copy of its reading, so nothing it shows can go stale.
class CResultItem : public QTreeWidgetItem {
 public:
  CResultItem(const QStringList& texts, CParseResult result)
      : QTreeWidgetItem(texts), m_result(std::move(result)) {}
  CParseResult m_result;
};

CTranslateDlg::CanonSearch& CanonSearchRef() {
  static CTranslateDlg::CanonSearch search;
  return search;
}

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void CTranslateDlg::SetCanonSearch(CanonSearch search) { CanonSearchRef() = std::move(search); }

const CParseResult* CTranslateDlg::ResultOf(const QTreeWidgetItem* item) {
  auto* row = dynamic_cast<const CResultItem*>(item);
  return row ? &row->m_result : nullptr;
}

CTranslateDlg::CTranslateDlg(QWidget* pOwner, CKLex* pLexicon)
    : QDialog(pOwner, Qt::Tool), m_pOwner(pOwner), m_pLexicon(pLexicon) {
  setObjectName("translateDlg");
  setWindowTitle("Translate Klingon");
  m_pInfoDlg = new CWordInfoDlg(this, pLexicon);

  m_comboInput = new QComboBox;
  m_comboInput->setObjectName("input");
  m_comboInput->setEditable(true);
  m_comboInput->setInsertPolicy(QComboBox::NoInsert);
  m_comboInput->setMinimumWidth(260);
  m_btnTranslate = new QPushButton("&Translate");
  m_btnTranslate->setObjectName("translate");
  m_btnTranslate->setDefault(true);
  auto* btnDone = new QPushButton("Done");
  btnDone->setObjectName("done");

  m_listResults = new QTreeWidget;
  m_listResults->setObjectName("results");
  SetReportListStyle(m_listResults);
  m_listResults->setSelectionMode(QAbstractItemView::SingleSelection);
  m_listResults->setHeaderLabels({"Type", "Word", "Translation", ""});
  m_listResults->setColumnWidth(kColType, 40);
  m_listResults->setColumnWidth(kColWord, 80);
  m_listResults->setColumnWidth(kColTranslation, 200);
  m_listResults->setColumnHidden(kColKey, true);
  m_listResults->header()->setStretchLastSection(false);

  m_btnInfo = new QPushButton("&Info");
  m_btnInfo->setObjectName("info");
  m_btnCanon = new QPushButton("Find in &Canon");
  m_btnCanon->setObjectName("findInCanon");
  m_btnErrors = new QPushButton("&Errors");
  m_btnErrors->setObjectName("errors");
  m_btnCanon->setEnabled(false);
  m_btnErrors->setEnabled(false);

  auto* top = new QHBoxLayout;
  top->addWidget(m_comboInput, 1);
  top->addWidget(m_btnTranslate);
  top->addWidget(btnDone);
  auto* side = new QVBoxLayout;
  side->addWidget(m_btnInfo);
  side->addWidget(m_btnCanon);
  side->addWidget(m_btnErrors);
  side->addStretch(1);
  auto* middle = new QHBoxLayout;
  middle->addWidget(m_listResults, 1);
  middle->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(middle, 1);
  resize(480, 260);

  connect(m_btnTranslate, &QPushButton::clicked, this, &CTranslateDlg::OnTranslate);
  connect(btnDone, &QPushButton::clicked, this, &CTranslateDlg::reject);
  connect(m_btnInfo, &QPushButton::clicked, this, &CTranslateDlg::OnInfo);
  connect(m_btnCanon, &QPushButton::clicked, this, &CTranslateDlg::OnFindInCanon);
  connect(m_btnErrors, &QPushButton::clicked, this, &CTranslateDlg::OnErrors);
  connect(m_listResults, &QTreeWidget::itemDoubleClicked, this, &CTranslateDlg::OnFindInCanon);
  connect(m_listResults, &QTreeWidget::itemSelectionChanged, this,
          &CTranslateDlg::OnSelectionChanged);

  m_pInfoDlg->Create();
  m_bInfoWasVisible = false;
  m_comboInput->setFocus();
}

CTranslateDlg::~CTranslateDlg() = default;

CKLex* CTranslateDlg::Lexicon() const {
  if (m_pLexicon) return m_pLexicon;
  return VekApp() ? &VekApp()->m_lexicon : nullptr;
}

void CTranslateDlg::UpdateData(bool bSaveAndValidate) {
  if (bSaveAndValidate)
    m_strInput = m_comboInput->currentText();
  else
    m_comboInput->setEditText(m_strInput);
}

void CTranslateDlg::OnTranslate() {
  UpdateData(true);
  if (m_strInput.isEmpty() || !Lexicon()) return;
  CKlingonParser parser;
  parser.m_pLexicon = Lexicon();
  m_listResults->clear();
  for (const std::string& word : SplitAtBlanks(m_strInput.toStdString())) {
    std::vector<CParseResult> results;
    if (parser.ParseWord(word, results) == 0) {
      m_listResults->insertTopLevelItem(
          0, new CResultItem({"X", Utf8(word), "***not found***", "none"}, CParseResult()));
      continue;
    }
    for (size_t i = 0; i < results.size(); ++i) {
      CParseResult copy = results[i];
      copy.m_strGloss += morphan::ErrorNote(copy);
      const QStringList texts{Utf8(copy.m_strPos), Utf8(copy.m_strWord), Utf8(copy.m_strGloss),
                              Utf8(copy.m_strKey)};
      m_listResults->insertTopLevelItem(int(i), new CResultItem(texts, std::move(copy)));
    }
    CSortClass(m_listResults, kColKey).Sort(true, CSortClass::Text);
  }
  m_comboInput->addItem(m_strInput);
  m_strInput.clear();
  UpdateData(false);
  UpdateButtons();
}

void CTranslateDlg::TranslateText(const QString& text) {
  m_strInput = text;
  // The text goes into the combo box first: OnTranslate reads its input from there.
  UpdateData(false);
  BringForward();
  OnTranslate();
}

void CTranslateDlg::TranslateToLines(const QString& text, QStringList& lines) const {
  if (!Lexicon()) return;
  CKlingonParser parser;
  parser.m_pLexicon = Lexicon();
  for (const std::string& word : SplitAtBlanks(text.toStdString())) {
    std::vector<CParseResult> results;
    if (parser.ParseWord(word, results) == 0) {
      lines << Utf8(word) + ": X: ***not found***";
      continue;
    }
    for (const CParseResult& r : results)
      lines << Utf8(r.m_strWord + ": " + r.m_strPos + ": " + r.m_strGloss + morphan::ErrorNote(r));
  }
}

void CTranslateDlg::OnSelectionChanged() {
  m_pInfoDlg->Clear();
  const QList<QTreeWidgetItem*> selected = m_listResults->selectedItems();
  if (!selected.isEmpty() && Lexicon()) {
    if (const CKWord* entry = Lexicon()->Lookup(selected.first()->text(kColKey).toStdString()))
      m_pInfoDlg->Fill(*entry);
  }
  UpdateButtons();
}

void CTranslateDlg::UpdateButtons() {
  const QList<QTreeWidgetItem*> selected = m_listResults->selectedItems();
  const CParseResult* result = selected.isEmpty() ? nullptr : ResultOf(selected.first());
  // Find in Canon waits for the canon search.
  m_btnCanon->setEnabled(result && CanonSearchRef());
  m_btnErrors->setEnabled(result && result->HasErrors());
}

void CTranslateDlg::OnInfo() { m_pInfoDlg->setVisible(!m_pInfoDlg->isVisible()); }

void CTranslateDlg::OnErrors() {
  const QList<QTreeWidgetItem*> selected = m_listResults->selectedItems();
  const CParseResult* result = selected.isEmpty() ? nullptr : ResultOf(selected.first());
  if (!result || !result->HasErrors()) return;
  CErrorListDlg dlg(result->m_lstErrors, this);
  dlg.exec();
  BringForward();
}

void CTranslateDlg::OnFindInCanon() {
  const QList<QTreeWidgetItem*> selected = m_listResults->selectedItems();
  if (selected.isEmpty() || !CanonSearchRef() || !Lexicon()) return;
  const CKWord* entry = Lexicon()->Lookup(selected.first()->text(kColKey).toStdString());
  if (!entry) return;
  CanonSearchRef()(this, Utf8(entry->m_strWord));
  BringForward();
}

void CTranslateDlg::BringForward() {
  show();
  raise();
  activateWindow();
  m_comboInput->setFocus();
}

void CTranslateDlg::reject() {
  if (m_pOwner)
    hide();
  else
    QDialog::reject();
}

void CTranslateDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (m_bInfoWasVisible) m_pInfoDlg->show();
}

void CTranslateDlg::hideEvent(QHideEvent* event) {
  m_bInfoWasVisible = m_pInfoDlg->isVisible();
  m_pInfoDlg->hide();
  QDialog::hideEvent(event);
}

CErrorListDlg::CErrorListDlg(const CStringList& errors, QWidget* parent) : QDialog(parent) {
  setObjectName("errorListDlg");
  setWindowTitle("Error List");
  auto* text = new QPlainTextEdit(ErrorText(errors).replace("\r\n", "\n"));
  text->setObjectName("errorText");
  text->setReadOnly(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  resize(360, 200);
}

QString CErrorListDlg::ErrorText(const CStringList& errors) {
  QString text;
  for (const std::string& error : errors) text += Utf8(error) + "\r\n\r\n";
  return text;
}
