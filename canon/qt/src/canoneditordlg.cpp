#include "canon/canoneditordlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

CCanonEditorDlg::CCanonEditorDlg(const CEntryDB& db, const std::string& strPath, QWidget* pParent)
    : QDialog(pParent), m_db(db), m_strPath(strPath) {
  setWindowTitle("Canon Editor");
  m_pList = new QTreeWidget(this);
  m_pList->setObjectName("entries");
  m_pList->setHeaderLabels({"Klingon", "English", "Source"});
  m_pList->setRootIsDecorated(false);
  m_pList->setAlternatingRowColors(true);
  m_pList->setColumnWidth(0, 240);
  m_pList->setColumnWidth(1, 240);
  auto button = [this](const char* id, const char* text, void (CCanonEditorDlg::*slot)()) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(id);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
  };
  auto* side = new QVBoxLayout;
  side->addWidget(button("add", "&Add...", &CCanonEditorDlg::OnAdd));
  side->addWidget(button("edit", "&Edit...", &CCanonEditorDlg::OnEdit));
  side->addWidget(button("delete", "&Delete", &CCanonEditorDlg::OnDelete));
  side->addStretch(1);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(box, &QDialogButtonBox::accepted, this, &CCanonEditorDlg::accept);
  connect(box, &QDialogButtonBox::rejected, this, &CCanonEditorDlg::reject);
  connect(m_pList, &QTreeWidget::itemDoubleClicked, this, &CCanonEditorDlg::OnEdit);
  auto* row = new QHBoxLayout;
  row->addWidget(m_pList, 1);
  row->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row, 1);
  layout->addWidget(box);
  resize(760, 440);
  Fill(0);
}

int CCanonEditorDlg::GetCurrentRow() const {
  QTreeWidgetItem* item = m_pList->currentItem();
  return item ? m_pList->indexOfTopLevelItem(item) : -1;
}

void CCanonEditorDlg::SetCurrentRow(int nRow) {
  if (QTreeWidgetItem* item = m_pList->topLevelItem(nRow)) m_pList->setCurrentItem(item);
}

void CCanonEditorDlg::Fill(int nSelect) {
  m_pList->clear();
  for (const CCanonEntry& e : m_db.GetEntries())
    new QTreeWidgetItem(m_pList, {Q(e.m_strKlingon), Q(e.m_strEnglish), Q(e.m_strSource)});
  SetCurrentRow(std::min(nSelect, m_pList->topLevelItemCount() - 1));
}

bool CCanonEditorDlg::AskEntry(const QString& strTitle, CCanonEntry& entry) {
  QDialog dlg(this);
  dlg.setWindowTitle(strTitle);
  auto* klingon = new QLineEdit(Q(entry.m_strKlingon), &dlg);
  klingon->setObjectName("klingon");
  auto* english = new QLineEdit(Q(entry.m_strEnglish), &dlg);
  english->setObjectName("english");
  auto* source = new QLineEdit(Q(entry.m_strSource), &dlg);
  source->setObjectName("source");
  auto* form = new QFormLayout;
  form->addRow("&Klingon:", klingon);
  form->addRow("&English:", english);
  form->addRow("&Source:", source);
  auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
  connect(box, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
  connect(box, &QDialogButtonBox::accepted, &dlg, [&] {
    if (klingon->text().trimmed().isEmpty()) {
      QMessageBox::information(&dlg, strTitle, "Please type the Klingon text of the sentence.");
      klingon->setFocus();
      return;
    }
    dlg.accept();
  });
  auto* layout = new QVBoxLayout(&dlg);
  layout->addLayout(form);
  layout->addWidget(box);
  dlg.resize(520, dlg.sizeHint().height());
  if (dlg.exec() != QDialog::Accepted) return false;
  entry = {klingon->text().trimmed().toStdString(), english->text().trimmed().toStdString(),
           source->text().trimmed().toStdString()};
  return true;
}

void CCanonEditorDlg::OnAdd() {
  CCanonEntry entry;
  if (!AskEntry("Add Canon Sentence", entry)) return;
  m_db.Add(entry);
  m_bModified = true;
  Fill(static_cast<int>(m_db.GetCount()) - 1);
}

void CCanonEditorDlg::OnEdit() {
  const int row = GetCurrentRow();
  if (row < 0) return;
  CCanonEntry entry = m_db.GetEntries()[static_cast<size_t>(row)];
  if (!AskEntry("Edit Canon Sentence", entry)) return;
  m_db.SetAt(static_cast<size_t>(row), entry);
  m_bModified = true;
  Fill(row);
}

void CCanonEditorDlg::OnDelete() {
  const int row = GetCurrentRow();
  if (row < 0) return;
  const QString text = Q(m_db.GetEntries()[static_cast<size_t>(row)].m_strKlingon);
  if (QMessageBox::question(this, windowTitle(), QString("Really delete %1?").arg(text),
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  m_db.RemoveAt(static_cast<size_t>(row));
  m_bModified = true;
  Fill(row);
}

void CCanonEditorDlg::accept() {
  if (!m_db.SaveFile(m_strPath)) {
    // The old file is untouched; the edits stay open for another try.
    QMessageBox::warning(this, windowTitle(),
                         "The canon sentences could not be saved.\n\n" + Q(m_db.GetLastError()));
    return;
  }
  QDialog::accept();
}

void CCanonEditorDlg::reject() {
  if (m_bModified &&
      QMessageBox::question(this, windowTitle(), "Discard your changes to the canon sentences?",
                            QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
    return;
  QDialog::reject();
}

bool EditCanonDB(CEntryDB& db, const std::string& strPath, QWidget* pParent) {
  CEntryDB onDisk;
  if (!onDisk.LoadFile(strPath)) {
    QMessageBox::warning(pParent, "Canon Editor",
                         "The canon file cannot be read, so it is left as it is and the Canon "
                         "Editor does not open.\n\n" +
                             Q(onDisk.GetLastError()));
    return false;
  }
  CCanonEditorDlg dlg(onDisk, strPath, pParent);
  if (dlg.exec() != QDialog::Accepted) return false;
  db = dlg.GetEntries();
  return true;
}
