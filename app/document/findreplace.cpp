#include "findreplace.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

#include "klingonword.h"
#include "messagebox.h"

namespace {

QTextDocument::FindFlags FlagsOf(const CFindOptions& options, bool bUp) {
  QTextDocument::FindFlags flags;
  if (options.bMatchCase) flags |= QTextDocument::FindCaseSensitively;
  if (bUp) flags |= QTextDocument::FindBackward;
  return flags;
}

// The next match from `from`; whole words by Klingon letters, where the
// apostrophe belongs to the word.
QTextCursor FindFrom(const QTextDocument& doc, const CFindOptions& options, QTextCursor from,
                     QTextDocument::FindFlags flags) {
  for (;;) {
    const QTextCursor found = doc.find(options.strFind, from, flags);
    if (found.isNull() || !options.bWholeWord || IsWholeWord(doc, found)) return found;
    from = found;
  }
}

bool SelectionMatches(const QTextEdit& edit, const CFindOptions& options) {
  const QTextCursor cursor = edit.textCursor();
  if (!cursor.hasSelection()) return false;
  // Searching the selection alone also checks whole-word limits against its neighbours.
  QTextCursor start(edit.document());
  start.setPosition(cursor.selectionStart());
  const QTextCursor found = FindFrom(*edit.document(), options, start, FlagsOf(options, false));
  return !found.isNull() && found.selectionStart() == cursor.selectionStart() &&
         found.selectionEnd() == cursor.selectionEnd();
}

}  // namespace

QString NotFoundText(const QString& strFind) {
  return QString("Cannot find the string '%1'.").arg(strFind);
}

bool FindNextIn(QTextEdit& edit, const CFindOptions& options) {
  if (options.strFind.isEmpty()) return false;
  QTextDocument& doc = *edit.document();
  const QTextCursor from = edit.textCursor();
  const auto flags = FlagsOf(options, options.bUp);
  QTextCursor found = FindFrom(doc, options, from, flags);
  if (found.isNull()) {
    // Round the document once, from the other end.
    QTextCursor wrap(&doc);
    wrap.movePosition(options.bUp ? QTextCursor::End : QTextCursor::Start);
    found = FindFrom(doc, options, wrap, flags);
  }
  if (found.isNull()) return false;
  edit.setTextCursor(found);
  return true;
}

bool ReplaceNextIn(QTextEdit& edit, const CFindOptions& options) {
  if (SelectionMatches(edit, options)) {
    QTextCursor cursor = edit.textCursor();
    cursor.insertText(options.strReplace);
    edit.setTextCursor(cursor);
  }
  CFindOptions down = options;
  down.bUp = false;
  return FindNextIn(edit, down);
}

int ReplaceAllIn(QTextEdit& edit, const CFindOptions& options) {
  if (options.strFind.isEmpty()) return 0;
  QTextDocument& doc = *edit.document();
  QTextCursor block(&doc);
  const auto flags = FlagsOf(options, false);
  int count = 0;
  QTextCursor found = FindFrom(doc, options, QTextCursor(&doc), flags);
  if (found.isNull()) return 0;
  block.beginEditBlock();
  while (!found.isNull()) {
    found.insertText(options.strReplace);
    ++count;
    found = FindFrom(doc, options, found, flags);
  }
  block.endEditBlock();
  return count;
}

CFindReplaceDlg::CFindReplaceDlg(bool bReplace, std::function<QTextEdit*()> target,
                                 QWidget* parent)
    : QDialog(parent), m_bReplace(bReplace), m_target(std::move(target)) {
  setObjectName(bReplace ? "replaceDialog" : "findDialog");
  setWindowTitle(bReplace ? "Replace" : "Find");
  setModal(false);

  auto* fields = new QGridLayout;
  m_pFindEdit = new QLineEdit;
  m_pFindEdit->setObjectName("findWhat");
  auto* findLabel = new QLabel("Fi&nd what:");
  findLabel->setBuddy(m_pFindEdit);
  fields->addWidget(findLabel, 0, 0);
  fields->addWidget(m_pFindEdit, 0, 1);
  if (bReplace) {
    m_pReplaceEdit = new QLineEdit;
    m_pReplaceEdit->setObjectName("replaceWith");
    auto* replaceLabel = new QLabel("Re&place with:");
    replaceLabel->setBuddy(m_pReplaceEdit);
    fields->addWidget(replaceLabel, 1, 0);
    fields->addWidget(m_pReplaceEdit, 1, 1);
  }
  m_pWholeWord = new QCheckBox("Match &whole word only");
  m_pMatchCase = new QCheckBox("Match &case");
  auto* checks = new QVBoxLayout;
  checks->addWidget(m_pWholeWord);
  checks->addWidget(m_pMatchCase);
  auto* options = new QHBoxLayout;
  options->addLayout(checks);
  if (!bReplace) {
    auto* direction = new QGroupBox("Direction");
    m_pUp = new QRadioButton("&Up");
    auto* down = new QRadioButton("&Down");
    down->setChecked(true);
    auto* box = new QHBoxLayout(direction);
    box->addWidget(m_pUp);
    box->addWidget(down);
    options->addWidget(direction);
  }
  auto* left = new QVBoxLayout;
  left->addLayout(fields);
  left->addLayout(options);
  left->addStretch();

  auto* buttons = new QVBoxLayout;
  m_pFindNext = new QPushButton("&Find Next");
  m_pFindNext->setDefault(true);
  buttons->addWidget(m_pFindNext);
  connect(m_pFindNext, &QPushButton::clicked, this, &CFindReplaceDlg::OnFindNext);
  if (bReplace) {
    m_pReplaceButton = new QPushButton("&Replace");
    m_pReplaceAll = new QPushButton("Replace &All");
    buttons->addWidget(m_pReplaceButton);
    buttons->addWidget(m_pReplaceAll);
    connect(m_pReplaceButton, &QPushButton::clicked, this, &CFindReplaceDlg::OnReplace);
    connect(m_pReplaceAll, &QPushButton::clicked, this, &CFindReplaceDlg::OnReplaceAll);
  }
  auto* cancel = new QPushButton("Cancel");
  // Enter searches from the text field; it never closes the dialog by accident.
  cancel->setAutoDefault(false);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left, 1);
  layout->addLayout(buttons);
  connect(m_pFindEdit, &QLineEdit::textChanged, this, &CFindReplaceDlg::UpdateButtons);
  UpdateButtons();
}

void CFindReplaceDlg::SetOptions(const CFindOptions& options) {
  m_pFindEdit->setText(options.strFind);
  if (m_pReplaceEdit) m_pReplaceEdit->setText(options.strReplace);
  m_pMatchCase->setChecked(options.bMatchCase);
  m_pWholeWord->setChecked(options.bWholeWord);
  if (m_pUp) m_pUp->setChecked(options.bUp);
  m_pFindEdit->selectAll();
  // Typing goes to the text to find, however the dialog was opened.
  m_pFindEdit->setFocus();
}

CFindOptions CFindReplaceDlg::GetOptions() const {
  CFindOptions options;
  options.strFind = m_pFindEdit->text();
  if (m_pReplaceEdit) options.strReplace = m_pReplaceEdit->text();
  options.bMatchCase = m_pMatchCase->isChecked();
  options.bWholeWord = m_pWholeWord->isChecked();
  options.bUp = m_pUp && m_pUp->isChecked();
  return options;
}

void CFindReplaceDlg::UpdateButtons() {
  const bool bAny = !m_pFindEdit->text().isEmpty();
  m_pFindNext->setEnabled(bAny);
  if (m_pReplaceButton) m_pReplaceButton->setEnabled(bAny);
  if (m_pReplaceAll) m_pReplaceAll->setEnabled(bAny);
}

void CFindReplaceDlg::NotFound() { VekMessageBox(NotFoundText(m_pFindEdit->text()), MsgIcon::Information); }

void CFindReplaceDlg::OnFindNext() {
  QTextEdit* edit = m_target();
  if (!edit) return;
  emit optionsChanged(GetOptions());
  if (!FindNextIn(*edit, GetOptions())) NotFound();
}

void CFindReplaceDlg::OnReplace() {
  QTextEdit* edit = m_target();
  if (!edit) return;
  emit optionsChanged(GetOptions());
  if (!ReplaceNextIn(*edit, GetOptions())) NotFound();
}

void CFindReplaceDlg::OnReplaceAll() {
  QTextEdit* edit = m_target();
  if (!edit) return;
  emit optionsChanged(GetOptions());
  if (ReplaceAllIn(*edit, GetOptions()) == 0) NotFound();
}
