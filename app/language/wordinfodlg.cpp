#include "wordinfodlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "vekapp.h"

namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

void AddWords(QListWidget* list, const CStringList& keys, const CKLex* lexicon) {
  if (!lexicon) return;
  for (const std::string& key : keys)
    if (const CKWord* word = lexicon->Lookup(key)) list->addItem(Utf8(word->m_strWord));
}

}  // namespace

CWordInfoDlg::CWordInfoDlg(QWidget* pOwner, const CKLex* pLexicon)
    : QDialog(pOwner, Qt::Tool), m_pOwner(pOwner), m_pLexicon(pLexicon) {
  setObjectName("wordInfoDlg");
  setWindowTitle("Word Info");
}

const CKLex* CWordInfoDlg::Lexicon() const {
  if (m_pLexicon) return m_pLexicon;
  return VekApp() ? &VekApp()->m_lexicon : nullptr;
}

void CWordInfoDlg::Create() {
  if (m_staticLabel) return;
  auto* layout = new QVBoxLayout(this);
  m_staticLabel = new QLabel;
  m_staticLabel->setObjectName("label");
  layout->addWidget(m_staticLabel);
  m_editNotes = new QPlainTextEdit;
  m_editNotes->setObjectName("notes");
  m_editNotes->setReadOnly(true);
  layout->addWidget(m_editNotes, 1);
  m_staticType = new QLabel;
  m_staticPlural = new QLabel;
  m_staticIrregular = new QLabel;
  m_staticType->setObjectName("typeLine");
  m_staticPlural->setObjectName("pluralLine");
  m_staticIrregular->setObjectName("irregularLine");
  for (QLabel* line : {m_staticType, m_staticPlural, m_staticIrregular}) {
    line->setVisible(m_bDetails != 0);
    layout->addWidget(line);
  }
  m_editNotes->setVisible(m_bDetails == 0);

  auto* lists = new QGridLayout;
  lists->addWidget(new QLabel("Synonyms"), 0, 0);
  lists->addWidget(new QLabel("Antonyms"), 0, 1);
  m_listSynonyms = new QListWidget;
  m_listAntonyms = new QListWidget;
  m_listSynonyms->setObjectName("synonyms");
  m_listAntonyms->setObjectName("antonyms");
  lists->addWidget(m_listSynonyms, 1, 0);
  lists->addWidget(m_listAntonyms, 1, 1);
  layout->addLayout(lists, 1);
  resize(260, 240);
}

void CWordInfoDlg::Clear() {
  Create();
  m_strNotes.clear();
  m_strLabel.clear();
  m_strTypeLine.clear();
  m_strPluralLine.clear();
  m_strIrregularLine.clear();
  m_listSynonyms->clear();
  m_listAntonyms->clear();
  UpdateControls();
}

void CWordInfoDlg::Fill(CKWord entry) {
  Clear();
  if (!m_bDetails) {
    m_strLabel = "Annotation";
  } else {
    m_strLabel = "Word Type: " + Utf8(entry.Pos());
    if (entry.m_nPos == kPosVerb && entry.m_bStative) {
      m_strTypeLine = "Stative Verb";
    } else if (entry.m_nPos == kPosNoun) {
      m_strTypeLine = entry.m_bBodyPart ? "Body Part"
                      : entry.m_bBeing  ? "Being capable of Language"
                                        : "General Noun";
      if (entry.m_bInherentPlural) m_strPluralLine = "Inherent Plural";
      if (entry.m_bIrregular) {
        m_strIrregularLine =
            entry.m_bInherentPlural ? "Irregular singular form" : "Irregular plural form";
        if (!entry.m_strIrregularForm.empty())
          m_strIrregularLine += ": " + Utf8(entry.m_strIrregularForm);
      }
    }
  }
  m_strNotes = Utf8(entry.m_strNotes);
  AddWords(m_listSynonyms, entry.m_lstSynonyms, Lexicon());
  AddWords(m_listAntonyms, entry.m_lstAntonyms, Lexicon());
  UpdateControls();
}

void CWordInfoDlg::UpdateControls() {
  m_staticLabel->setText(m_strLabel);
  m_editNotes->setPlainText(m_strNotes);
  m_staticType->setText(m_strTypeLine);
  m_staticPlural->setText(m_strPluralLine);
  m_staticIrregular->setText(m_strIrregularLine);
}

void CWordInfoDlg::reject() {
  if (m_pOwner)
    hide();
  else
    QDialog::reject();
}
