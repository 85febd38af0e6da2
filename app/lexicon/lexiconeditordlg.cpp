#include "lexiconeditordlg.h"

#include <QEvent>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "messagebox.h"
#include "reportlist.h"
#include "sortclass.h"
#include "vekapp.h"
#include "waitcursor.h"
#include "wordinfodlg.h"
#include "wordwizard.h"

namespace {

enum Column { kWord, kType, kDefinition, kKey };

QString Q(const std::string& s) { return QString::fromStdString(s); }

void SetStatus(const QString& text) {
  if (VekApp()) VekApp()->SetStatusText(text);
}

// In `keys`, oldKey's first occurrence becomes newKey, or newKey is added.
bool PointAt(CStringList& keys, const std::string& oldKey, const std::string& newKey) {
  const auto it = std::find(keys.begin(), keys.end(), oldKey);
  if (it == keys.end()) {
    keys.push_back(newKey);
    return true;
  }
  if (*it == newKey) return false;
  *it = newKey;
  return true;
}

bool Forget(CStringList& keys, const std::string& key) {
  const auto it = std::find(keys.begin(), keys.end(), key);
  if (it == keys.end()) return false;
  keys.erase(it);
  return true;
}

bool Lists(const CStringList& keys, const std::string& key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

}  // namespace

CLexiconEditorDlg::CLexiconEditorDlg(QWidget* parent)
    : QDialog(parent),
      m_listWords(new QTreeWidget),
      m_editNotes(new QPlainTextEdit),
      m_btnNew(new QPushButton("&New")),
      m_btnEdit(new QPushButton("&Edit")),
      m_btnDelete(new QPushButton("&Delete")),
      m_btnInfo(new QPushButton("&Info")),
      m_btnDone(new QPushButton("Done")) {
  setWindowTitle("Lexicon Editor");
  SetReportListStyle(m_listWords);
  m_listWords->setSelectionMode(QAbstractItemView::SingleSelection);
  m_listWords->setHeaderLabels({"Word", "Type", "Definition", "Key"});
  m_listWords->setColumnWidth(kWord, 80);
  m_listWords->setColumnWidth(kType, 60);
  m_listWords->setColumnWidth(kDefinition, 160);
  m_listWords->setColumnHidden(kKey, true);
  m_btnEdit->setEnabled(false);
  m_btnDelete->setEnabled(false);
  m_btnDone->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {m_btnDone, m_btnNew, m_btnEdit, m_btnDelete, m_btnInfo}) {
    if (b != m_btnDone) b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  buttons->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addWidget(m_listWords, 0, 0);
  grid->addLayout(buttons, 0, 1, 2, 1);
  grid->addWidget(m_editNotes, 1, 0);
  grid->setColumnStretch(0, 1);
  grid->setRowStretch(0, 3);
  grid->setRowStretch(1, 1);
  resize(560, 480);

  connect(m_btnNew, &QPushButton::clicked, this, &CLexiconEditorDlg::OnNew);
  connect(m_btnEdit, &QPushButton::clicked, this, &CLexiconEditorDlg::OnEdit);
  connect(m_btnDelete, &QPushButton::clicked, this, &CLexiconEditorDlg::OnDelete);
  connect(m_btnInfo, &QPushButton::clicked, this, &CLexiconEditorDlg::OnInfo);
  connect(m_btnDone, &QPushButton::clicked, this, &CLexiconEditorDlg::OnDone);
  connect(m_listWords, &QTreeWidget::itemSelectionChanged, this,
          &CLexiconEditorDlg::OnSelectionChanged);
  connect(m_editNotes, &QPlainTextEdit::textChanged, this, &CLexiconEditorDlg::OnNotesChanged);
  m_editNotes->installEventFilter(this);
}

CLexiconEditorDlg::~CLexiconEditorDlg() = default;

int CLexiconEditorDlg::exec() {
  OnInitDialog();
  return QDialog::exec();
}

QTreeWidgetItem* CLexiconEditorDlg::AddRow(const std::string& key, const CKWord& w) {
  return new QTreeWidgetItem(m_listWords, {Q(w.m_strWord), Q(w.Pos()), Q(w.m_strDefinition), Q(key)});
}

void CLexiconEditorDlg::OnInitDialog() {
  CWaitCursor wait;
  SetStatus("Loading Lexicon for editing...");
  m_listWords->clear();
  if (m_pLexicon) {
    QList<QTreeWidgetItem*> rows;
    rows.reserve(qsizetype(m_pLexicon->GetCount()));
    for (const auto& [key, w] : *m_pLexicon)
      rows << new QTreeWidgetItem({Q(w.m_strWord), Q(w.Pos()), Q(w.m_strDefinition), Q(key)});
    m_listWords->addTopLevelItems(rows);
  }
  SetStatus("Sorting lexicon...");
  CSortClass(m_listWords, kKey).Sort(true, CSortClass::Text);
  if (!m_pInfoDlg) {
    m_pInfoDlg = new CWordInfoDlg(this, m_pLexicon);
    m_pInfoDlg->m_bDetails = 1;
    m_pInfoDlg->Create();
  }
  OnSelectionChanged();
  SetStatus("Ready");
}

QTreeWidgetItem* CLexiconEditorDlg::SelectedRow() const {
  const QList<QTreeWidgetItem*> selected = m_listWords->selectedItems();
  return selected.isEmpty() ? nullptr : selected.first();
}

void CLexiconEditorDlg::UpdateButtons() {
  const bool row = SelectedRow() != nullptr;
  m_btnEdit->setEnabled(row);
  m_btnDelete->setEnabled(row);
}

void CLexiconEditorDlg::OnSelectionChanged() {
  const QTreeWidgetItem* row = SelectedRow();
  const CKWord* w = row && m_pLexicon ? m_pLexicon->Lookup(row->text(kKey).toStdString()) : nullptr;
  // Without an entry there is nothing the notes could be stored into.
  m_strNotes = w ? Q(w->m_strNotes) : QString();
  setWindowTitle(w ? QString("Lexicon Editor: [%1]").arg(Q(w->m_strWord)) : "Lexicon Editor");
  if (m_pInfoDlg) {
    if (w)
      m_pInfoDlg->Fill(*w);
    else
      m_pInfoDlg->Clear();
  }
  m_bFilling = true;
  m_editNotes->setPlainText(m_strNotes);
  m_bFilling = false;
  m_editNotes->setEnabled(w != nullptr);
  UpdateButtons();
}

void CLexiconEditorDlg::OnNotesChanged() {
  if (m_bFilling) return;
  StoreNotes();
}

void CLexiconEditorDlg::StoreNotes() {
  m_strNotes = m_editNotes->toPlainText();
  const QTreeWidgetItem* row = SelectedRow();
  if (!row || !m_pLexicon) return;
  const std::string key = row->text(kKey).toStdString();
  const CKWord* stored = m_pLexicon->Lookup(key);
  const std::string notes = m_strNotes.toStdString();
  if (!stored || stored->m_strNotes == notes) return;
  CKWord w = *stored;
  w.m_strNotes = notes;
  m_pLexicon->SetAt(key, w);
  m_bModified = 1;
}

bool CLexiconEditorDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_editNotes) {
    if (event->type() == QEvent::FocusIn) UpdateButtons();
    if (event->type() == QEvent::FocusOut) StoreNotes();
  }
  return QDialog::eventFilter(watched, event);
}

void CLexiconEditorDlg::OnInfo() {
  if (m_pInfoDlg) m_pInfoDlg->setVisible(!m_pInfoDlg->isVisible());
}

void CLexiconEditorDlg::OnDone() {
  StoreNotes();
  accept();
}

void CLexiconEditorDlg::SortAndSelect(const std::string& key) {
  SetStatus("Sorting Lexicon...");
  CSortClass(m_listWords, kKey).Sort(true, CSortClass::Text);
  const QString wanted = Q(key);
  for (int i = 0; i < m_listWords->topLevelItemCount(); ++i) {
    QTreeWidgetItem* item = m_listWords->topLevelItem(i);
    if (item->text(kKey) == wanted) {
      m_listWords->setCurrentItem(item);
      m_listWords->scrollToItem(item);
      break;
    }
  }
  SetStatus("Ready");
}

void CLexiconEditorDlg::OnNew() {
  if (!m_pLexicon) return;
  CWordWiz wizard("New Word Wizard", this);
  wizard.m_pLexicon = m_pLexicon;
  if (wizard.exec() == QDialog::Accepted) {
    m_bModified = 1;
    const CKWord& entry = wizard.m_word;
    // Add never replaces: a taken key gives the word a fresh one.
    const std::string key = m_pLexicon->Add(entry);
    UpdateLinks(key, entry, key, entry);
    AddRow(key, entry);
    SortAndSelect(key);
  }
  UpdateButtons();
}

void CLexiconEditorDlg::OnEdit() {
  QTreeWidgetItem* row = SelectedRow();
  if (!row || !m_pLexicon) return;
  const std::string oldKey = row->text(kKey).toStdString();
  const CKWord* stored = m_pLexicon->Lookup(oldKey);
  if (!stored) return;
  const CKWord before = *stored;
  CWordWiz wizard("Edit WordWizard", this);
  wizard.m_pLexicon = m_pLexicon;
  wizard.m_word = before;
  if (wizard.exec() != QDialog::Accepted) return;
  m_bModified = 1;
  const CKWord& edited = wizard.m_word;
  std::string key = oldKey;
  if (edited.m_strWord == wizard.m_strStartWord.toStdString()) {
    m_pLexicon->SetAt(oldKey, edited);
    row->setText(kType, Q(edited.Pos()));
    row->setText(kDefinition, Q(edited.m_strDefinition));
  } else {
    delete row;
    m_pLexicon->RemoveKey(oldKey);
    key = m_pLexicon->Add(edited);
    AddRow(key, edited);
  }
  UpdateLinks(key, edited, oldKey, before);
  SortAndSelect(key);
  OnSelectionChanged();
}

void CLexiconEditorDlg::OnDelete() {
  QTreeWidgetItem* row = SelectedRow();
  if (!row || !m_pLexicon) return;
  const std::string key = row->text(kKey).toStdString();
  const CKWord* stored = m_pLexicon->Lookup(key);
  if (!stored) {
    VekMessageBox("Hmm, cannot find this in the lexicon!", MsgIcon::None, QMessageBox::Ok, this);
    return;
  }
  if (VekMessageBox(QString("Delete {%1}?").arg(Q(stored->m_strWord)), MsgIcon::Question,
                    QMessageBox::Yes | QMessageBox::No, this) != QMessageBox::Yes)
    return;
  const CKWord old = *stored;
  CKWord unlinked = old;
  unlinked.m_lstSynonyms.clear();
  unlinked.m_lstAntonyms.clear();
  delete row;
  m_pLexicon->RemoveKey(key);
  UpdateLinks(key, unlinked, key, old);
  m_bModified = 1;
  OnSelectionChanged();
}

void CLexiconEditorDlg::UpdateLinks(const std::string& newKey, const CKWord& newEntry,
                                    const std::string& oldKey, const CKWord& oldEntry) {
  if (!m_pLexicon) return;
  for (CStringList CKWord::*links : {&CKWord::m_lstSynonyms, &CKWord::m_lstAntonyms}) {
    for (const std::string& k : newEntry.*links) {
      const CKWord* other = m_pLexicon->Lookup(k);
      if (!other) continue;
      CKWord w = *other;
      if (PointAt(w.*links, oldKey, newKey)) m_pLexicon->SetAt(k, w);
    }
    for (const std::string& k : oldEntry.*links) {
      if (Lists(newEntry.*links, k)) continue;
      const CKWord* other = m_pLexicon->Lookup(k);
      if (!other) continue;
      CKWord w = *other;
      if (Forget(w.*links, oldKey)) m_pLexicon->SetAt(k, w);
    }
  }
}
