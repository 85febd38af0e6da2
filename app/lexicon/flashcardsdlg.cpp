#include "flashcardsdlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <climits>

#include "flashcardset.h"
#include "messagebox.h"
#include "vekapp.h"

namespace {

const char* const kTypeNames[kFlashTypeCount] = {
    "nouns - general", "nouns - body parts", "nouns - beings", "verbs - stative",
    "verbs - non-stative", "pronouns", "adverbs", "numbers",
    "conjunctions", "exclamations", "question words"};

void SaveLexicon() {
  if (VekApp()) VekApp()->SaveLexicon();
}

}  // namespace

CTestSizeBox::CTestSizeBox(QWidget* parent) : QSpinBox(parent) {
  setRange(INT_MIN, INT_MAX);
}

void CTestSizeBox::stepBy(int steps) {
  setValue(std::clamp(value() + steps, 10, 100));
  selectAll();
}

QAbstractSpinBox::StepEnabled CTestSizeBox::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (value() < 100) enabled |= StepUpEnabled;
  if (value() > 10) enabled |= StepDownEnabled;
  return enabled;
}

CFlashcardsDlg::CFlashcardsDlg(QWidget* parent)
    : QDialog(parent),
      m_spinSize(new CTestSizeBox),
      m_listTypes(new QListWidget),
      m_btnTest(new QPushButton("&Test")),
      m_btnReset(new QPushButton("&Reset Scores")) {
  setWindowTitle("Flashcards");
  m_listTypes->setSelectionMode(QAbstractItemView::MultiSelection);
  for (const char* name : kTypeNames) m_listTypes->addItem(name);
  m_listTypes->selectAll();
  m_spinSize->setValue(m_nTestSize);
  auto* done = new QPushButton("&Done");
  m_btnTest->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Select Word Types to Test:"), 0, 0);
  layout->addWidget(m_listTypes, 1, 0, 3, 1);
  auto* size = new QHBoxLayout;
  size->addWidget(new QLabel("Test Set Size"));
  size->addWidget(m_spinSize);
  layout->addLayout(size, 4, 0);
  layout->addWidget(m_btnTest, 1, 1);
  layout->addWidget(done, 2, 1);
  layout->addWidget(m_btnReset, 3, 1, Qt::AlignTop);
  connect(m_btnTest, &QPushButton::clicked, this, &CFlashcardsDlg::OnTest);
  connect(done, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_btnReset, &QPushButton::clicked, this, &CFlashcardsDlg::OnResetScores);
}

void CFlashcardsDlg::OnResetScores() {
  if (VekMessageBox("Are you sure?  This clears the scores for ALL WORDS in the lexicon.",
                    MsgIcon::Question, QMessageBox::Yes | QMessageBox::No, this) != QMessageBox::Yes)
    return;
  if (!m_pLexicon) return;
  m_pLexicon->ResetScores();
  SaveLexicon();
}

void CFlashcardsDlg::OnTest() {
  m_spinSize->interpretText();
  m_nTestSize = m_spinSize->value();
  FlashTypeSet types{};
  bool any = false;
  for (int i = 0; i < kFlashTypeCount; ++i) any |= types[i] = m_listTypes->item(i)->isSelected();
  if (!any) {
    VekMessageBox("You must select at least one word type.", MsgIcon::None, QMessageBox::Ok, this);
    return;
  }
  if (!m_pLexicon) return;
  CFlashcardDlg cards(BuildTestSet(*m_pLexicon, types, m_nTestSize), this);
  cards.exec();
  // Unanswered cards go back unchanged; only a drill that changed something
  // rewrites the file.
  if (WriteBackTestSet(cards.m_testSet, *m_pLexicon)) SaveLexicon();
}

CFlashcardDlg::CFlashcardDlg(CKLex testSet, QWidget* parent)
    : QDialog(parent),
      m_testSet(std::move(testSet)),
      m_editWord(new QLineEdit),
      m_editType(new QLineEdit),
      m_editDefinition(new QPlainTextEdit),
      m_checkExclude(new QCheckBox("&Exclude this word from now on")),
      m_btnYes(new QPushButton("&Yes")),
      m_btnNo(new QPushButton("&No")),
      m_btnShow(new QPushButton("&Show")) {
  setWindowTitle("Flashcard");
  m_editWord->setReadOnly(true);
  m_editType->setReadOnly(true);
  m_editDefinition->setReadOnly(true);
  QFont big = m_editWord->font();
  big.setPointSizeF(big.pointSizeF() * 1.5);
  m_editWord->setFont(big);
  auto* done = new QPushButton("Done");

  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel("Word: "), 0, 0);
  grid->addWidget(m_editWord, 0, 1);
  grid->addWidget(new QLabel("Type:"), 1, 0);
  grid->addWidget(m_editType, 1, 1);
  grid->addWidget(m_editDefinition, 2, 0, 1, 2);
  grid->addWidget(m_checkExclude, 3, 0, 1, 2);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {m_btnShow, m_btnYes, m_btnNo, done}) buttons->addWidget(b);
  grid->addLayout(buttons, 4, 0, 1, 2);
  m_btnShow->setDefault(true);
  connect(m_btnShow, &QPushButton::clicked, this, &CFlashcardDlg::OnShow);
  connect(m_btnYes, &QPushButton::clicked, this, &CFlashcardDlg::OnYes);
  connect(m_btnNo, &QPushButton::clicked, this, &CFlashcardDlg::OnNo);
  connect(m_checkExclude, &QCheckBox::clicked, this, &CFlashcardDlg::OnExclude);
  connect(done, &QPushButton::clicked, this, &QDialog::accept);

  m_nNext = 0;
  NextCard();
}

void CFlashcardDlg::ShowAnswerControls(bool show) {
  m_editDefinition->setVisible(show);
  m_btnYes->setVisible(show);
  m_btnNo->setVisible(show);
  m_checkExclude->setVisible(show);
  m_btnShow->setVisible(!show);
}

void CFlashcardDlg::FillCard() {
  m_strWord = QString::fromStdString(m_word.m_strWord);
  m_strType = QString::fromStdString(m_word.Pos());
  m_strDefinition = QString::fromStdString(m_word.m_strDefinition);
  m_bExclude = 0;
}

void CFlashcardDlg::NextCard() {
  if (m_nNext < m_testSet.GetCount()) {
    const auto& [key, word] = *(m_testSet.begin() + std::ptrdiff_t(m_nNext++));
    m_strKey = QString::fromStdString(key);
    m_word = word;
    m_bHaveCard = true;
    ShowAnswerControls(false);
    FillCard();
  } else {
    // No more cards (or none at all): nothing left to answer or store.
    m_bHaveCard = false;
    m_strKey.clear();
    ShowAnswerControls(false);
    m_btnShow->hide();
    m_btnYes->setEnabled(false);
    m_btnNo->setEnabled(false);
    m_checkExclude->setEnabled(false);
    m_strWord.clear();
    m_strType.clear();
    m_strDefinition.clear();
    m_bExclude = 0;
  }
  UpdateControls();
}

void CFlashcardDlg::UpdateControls() {
  m_editWord->setText(m_strWord);
  m_editType->setText(m_strType);
  m_editDefinition->setPlainText(m_strDefinition);
  m_checkExclude->setChecked(m_bExclude != 0);
}

void CFlashcardDlg::OnShow() {
  if (m_bHaveCard) ShowAnswerControls(true);
}

void CFlashcardDlg::OnExclude() {
  m_bExclude = m_checkExclude->isChecked();
  if (m_bHaveCard) m_word.m_bExcluded = m_bExclude;
}

void CFlashcardDlg::OnYes() { Answer(+1); }
void CFlashcardDlg::OnNo() { Answer(-1); }

void CFlashcardDlg::Answer(int delta) {
  if (!m_bHaveCard) return;
  m_word.m_nScore = std::clamp(m_word.m_nScore + delta, 0, 5);
  m_testSet.SetAt(m_strKey.toStdString(), m_word);
  NextCard();
}
