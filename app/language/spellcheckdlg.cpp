#include "spellcheckdlg.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>

#include "charformat.h"
#include "messagebox.h"
#include "morphan/piqad.h"
#include "vekapp.h"
#include "vekview.h"
#include "waitcursor.h"

namespace {

constexpr char kIgnoreText[] = "&Ignore";
constexpr char kBeginText[] = "&Begin";

QStringList WordCharEntries() {
  QStringList entries;
  for (char c = 'a'; c <= 'z'; ++c) entries << QString(QChar(c));
  for (char c = 'A'; c <= 'Z'; ++c) entries << QString(QChar(c));
  entries << "'";
  return entries;
}

QStringList DelimiterEntries() {
  QStringList entries;
  for (const char* d : {" ", "\n", ".", ";", ":", ",", ")", "}", "!", "@", "#", "$", "%", "^", "&",
                        "*", "(", "-", "=", "_", "+", "\\", "|", "[", "]", "{", "\"", "?", "/",
                        "<", ">", "~", "\t"})
    entries << QString::fromLatin1(d);
  // The editor ends paragraphs and lines with these, not with a line feed.
  entries << QString(QChar::ParagraphSeparator) << QString(QChar::LineSeparator);
  return entries;
}

QString Latin(const QString& piqad) {
  return QString::fromStdString(morphan::ToLatin(piqad.toStdString()));
}
QString Piqad(const QString& latin) {
  return QString::fromStdString(morphan::ToPiqad(latin.toStdString()));
}

}  // namespace

CCharTable::CCharTable(const QStringList& entries) : m_entries(entries) {
  for (const QString& entry : entries) {
    const QChar ch = entry.at(0);
    if (ch.unicode() < 128)
      m_ascii[ch.unicode()] = true;
    else
      m_other += ch;
  }
}

bool CCharTable::Contains(QChar ch) const {
  return ch.unicode() < 128 ? m_ascii[ch.unicode()] : m_other.contains(ch);
}

CSpellCheckDlg::CSpellCheckDlg(CVek99View* pView)
    : QDialog(pView, Qt::Tool),
      m_wordChars(WordCharEntries()),
      m_delimiters(DelimiterEntries()),
      m_pView(pView) {
  setObjectName("spellCheckDlg");
  setWindowTitle("Spell Check");
  if (CVek99App* app = VekApp()) {
    SetWordLists(&app->m_lexicon, &app->m_ignoreList, &app->m_personalDict);
    m_saveDictionary = [] {
      if (VekApp()) VekApp()->SavePersonalDictionary();
    };
  }

  m_editInput = new QLineEdit;
  m_editInput->setObjectName("input");
  m_listSuggestions = new QListWidget;
  m_listSuggestions->setObjectName("suggestions");
  m_editContext = new QPlainTextEdit;
  m_editContext->setObjectName("context");
  m_editContext->setReadOnly(true);
  auto button = [this](const char* text, const char* name) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  m_btnIgnore = button(kBeginText, "ignore");
  m_btnIgnoreAll = button("Ignore &All", "ignoreAll");
  m_btnAdd = button("&Add", "add");
  m_btnChange = button("&Change", "change");
  m_btnChangeAll = button("Chan&ge All", "changeAll");
  m_btnCancel = button("Cancel", "cancel");
  m_btnChange->setDefault(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel("Input"), 0, 0);
  layout->addWidget(m_editInput, 1, 0);
  layout->addWidget(new QLabel("Suggestions"), 2, 0);
  layout->addWidget(m_listSuggestions, 3, 0, 3, 1);
  layout->addWidget(m_editContext, 6, 0, 1, 3);
  layout->addWidget(m_btnIgnore, 0, 1);
  layout->addWidget(m_btnIgnoreAll, 1, 1);
  layout->addWidget(m_btnAdd, 2, 1);
  layout->addWidget(m_btnChange, 0, 2);
  layout->addWidget(m_btnChangeAll, 1, 2);
  layout->addWidget(m_btnCancel, 2, 2);
  layout->setRowStretch(5, 1);
  resize(460, 260);

  connect(m_btnIgnore, &QPushButton::clicked, this, &CSpellCheckDlg::OnIgnore);
  connect(m_btnIgnoreAll, &QPushButton::clicked, this, &CSpellCheckDlg::OnIgnoreAll);
  connect(m_btnAdd, &QPushButton::clicked, this, &CSpellCheckDlg::OnAdd);
  connect(m_btnChange, &QPushButton::clicked, this, &CSpellCheckDlg::OnChange);
  connect(m_btnChangeAll, &QPushButton::clicked, this, &CSpellCheckDlg::OnChangeAll);
  connect(m_btnCancel, &QPushButton::clicked, this, &CSpellCheckDlg::reject);
  // The replacement is the last thing shown or chosen.
  connect(m_editInput, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_strInput = text;
    m_strReplacement = text;
  });
  connect(m_listSuggestions, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row < 0) return;
    m_strSuggestion = m_listSuggestions->item(row)->text();
    m_strReplacement = m_strSuggestion;
  });
  if (pView)
    connect(pView->document(), &QTextDocument::contentsChange, this,
            [this] { m_bTextStale = true; });
  ResetIdle();
}

CSpellCheckDlg::~CSpellCheckDlg() = default;

void CSpellCheckDlg::SetWordLists(CKLex* pLexicon, CStringList* pIgnoreList,
                                  CStringList* pPersonalDict) {
  m_pLexicon = pLexicon;
  m_pIgnoreList = pIgnoreList;
  m_pPersonalDict = pPersonalDict;
  m_parser.m_pLexicon = pLexicon;
  // Documents repeat their words: each is analysed once per lexicon revision.
  m_parser.m_pMemo = &m_memo;
  m_pSuggester.reset();
}

QStringList CSpellCheckDlg::Suggestions() const {
  QStringList items;
  for (int i = 0; i < m_listSuggestions->count(); ++i) items << m_listSuggestions->item(i)->text();
  return items;
}

// ---- Document access ----

const QString& CSpellCheckDlg::Text() const {
  if (m_bTextStale && m_pView) {
    m_text = m_pView->document()->toRawText();
    // toRawText ends with the last paragraph's end, which is no position of the text.
    if (m_text.endsWith(QChar::ParagraphSeparator)) m_text.chop(1);
    m_bTextStale = false;
  }
  return m_text;
}

int CSpellCheckDlg::TextLength() const {
  return m_pView ? m_pView->document()->characterCount() - 1 : 0;
}

int CSpellCheckDlg::FindFirstOf(int position, const CCharTable& table) const {
  const QString& text = Text();
  if (position < 0 || position >= text.size()) return -1;
  const QChar* chars = text.constData();
  for (int i = position; i < text.size(); ++i)
    if (table.Contains(chars[i])) return i;
  return -1;
}

void CSpellCheckDlg::Select(int start, int end) {
  QTextCursor cursor(m_pView->document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  m_pView->setTextCursor(cursor);
}

bool CSpellCheckDlg::IsPiqadRange(int start, int end) const {
  QTextCursor cursor(m_pView->document());
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  const CSelFormat format = SelectionFormat(cursor);
  return format.face && morphan::IsPiqadFace(format.face->toStdString());
}

bool CSpellCheckDlg::OnWordUnderCheck() const {
  if (m_bIdle || m_bFinished || !m_pView) return false;
  const QTextCursor cursor = m_pView->textCursor();
  return cursor.selectionStart() == m_nWordStart && cursor.selectionEnd() == m_nWordEnd &&
         cursor.selectedText() == m_strCurrentWord;
}

bool CSpellCheckDlg::Ask(const char* question) {
  return VekMessageBox(question, MsgIcon::Question, QMessageBox::Yes | QMessageBox::No, this) ==
         QMessageBox::Yes;
}

// ---- The walk through the document ----

void CSpellCheckDlg::Start(CVek99View* pView) {
  if (pView) m_pView = pView;
  if (!m_pView) return;
  m_bTextStale = true;
  const QTextCursor cursor = m_pView->textCursor();
  m_nInitialStart = cursor.selectionStart();
  m_nInitialEnd = cursor.selectionEnd();
  m_nCurrentPos = m_nInitialStart;
  m_nPendingStart = -1;
  m_nWrapEnd = m_nInitialStart;
  if (m_nInitialStart > 0) {
    // A check begun inside a word begins with that whole word.
    const QString& text = Text();
    m_nPendingStart = 0;
    for (int i = std::min<int>(m_nInitialStart, text.size()) - 1; i >= 0; --i) {
      if (m_delimiters.Contains(text.at(i))) {
        m_nPendingStart = i;
        break;
      }
    }
    // ... and, after the wrap, ends before it instead of checking it twice.
    m_nWrapEnd = m_nPendingStart == 0 ? 0 : m_nPendingStart + 1;
  }
  m_btnIgnore->setText(kIgnoreText);
  m_bIdle = false;
  m_bFinished = m_bWrapped = m_bContinued = false;
  // The suggestions follow the lexicon when it has changed since the last check.
  if (m_pLexicon && (!m_pSuggester || m_nSuggesterRevision != m_pLexicon->Revision())) {
    m_pSuggester = std::make_unique<morphan::CSpellingSuggester>(*m_pLexicon);
    m_nSuggesterRevision = m_pLexicon->Revision();
  }
  FindNextError();
}

void CSpellCheckDlg::NextWord() {
  int start;
  if (m_nPendingStart >= 0) {
    // Words begin with a letter here too: digits before it are passed over.
    start = FindFirstOf(m_nPendingStart, m_wordChars);
    m_nPendingStart = -1;
  } else {
    start = FindFirstOf(m_nCurrentPos, m_wordChars);
  }
  if (m_nInitialStart != m_nInitialEnd && !m_bContinued && !m_bWrapped && start >= m_nInitialEnd) {
    if (!Ask("Finished checking selection.  Check rest of document?")) {
      EndCheck();
      return;
    }
    m_bContinued = true;
  }
  if (start == -1) {
    if (m_nInitialStart == 0 || m_bWrapped ||
        !Ask("You have reached the end of the document.  Start at beginning?")) {
      EndCheck();
      return;
    }
    m_nCurrentPos = 0;
    m_bWrapped = true;
    start = FindFirstOf(0, m_wordChars);
    // Nothing to check anywhere: the check ends instead of starting over.
    if (start == -1) {
      EndCheck();
      return;
    }
  }
  if (m_bWrapped && start >= m_nWrapEnd) {
    EndCheck();
    return;
  }
  int end = FindFirstOf(start, m_delimiters);
  while (end != -1 && end == start) end = FindFirstOf(++start, m_delimiters);
  // The view's selection moves only where the check stops: selecting every
  // word would lay out and repaint the document for each.
  const int length = TextLength();
  m_nWordStart = std::min(start, length);
  m_nWordEnd = end == -1 ? length : end;
  m_nCurrentPos = end;
}

void CSpellCheckDlg::NextWordToExamine() {
  // One-character words are never examined.
  do {
    NextWord();
  } while (!m_bFinished && m_nWordEnd - m_nWordStart <= 1);
  if (m_bFinished) return;
  m_strCurrentWord = Text().mid(m_nWordStart, m_nWordEnd - m_nWordStart);
  SetInput(IsPiqadRange(m_nWordStart, m_nWordEnd) ? Latin(m_strCurrentWord) : m_strCurrentWord);
}

void CSpellCheckDlg::FindNextError() {
  if (!m_pView) return;
  CWaitCursor wait;
  m_bBusy = true;
  EnableActions(false);
  m_btnCancel->setEnabled(false);
  NextWordToExamine();
  while (!m_bFinished && !CheckWord(m_strInput)) NextWordToExamine();
  m_bBusy = false;
  if (m_bFinished) return;
  Select(m_nWordStart, m_nWordEnd);
  if (m_listSuggestions->count() > 0) m_listSuggestions->setCurrentRow(0);
  EnableActions(true);
  m_btnCancel->setEnabled(true);
  show();
  raise();
  activateWindow();
}

void CSpellCheckDlg::SetInput(const QString& word) {
  m_strInput = word;
  m_editInput->setText(word);
  m_strReplacement = word;
}

void CSpellCheckDlg::AddSuggestion(const QString& word, bool bSorted) {
  int row = m_listSuggestions->count();
  if (bSorted)
    while (row > 0 && m_listSuggestions->item(row - 1)->text() > word) --row;
  m_listSuggestions->insertItem(row, word);
}

int CSpellCheckDlg::CheckWord(const QString& word) {
  if (word.isEmpty()) return 0;
  const std::string text = word.toStdString();
  if (IsIgnored(text)) return 0;
  m_listSuggestions->clear();
  m_strContext.clear();
  std::vector<CParseResult> results;
  if (m_pLexicon) m_parser.ParseWord(text, results);
  if (results.empty()) {
    m_strContext = "Not found.";
    if (m_pSuggester)
      for (const std::string& s : m_pSuggester->Suggest(text, m_parser))
        AddSuggestion(QString::fromStdString(s), false);
    UpdateControls();
    return 1;
  }
  for (const CParseResult& r : results) {
    if (r.m_dScore == 1.0) {
      m_listSuggestions->clear();
      m_strContext.clear();
      UpdateControls();
      return 0;
    }
    for (const std::string& s : r.m_lstSuggestions) AddSuggestion(QString::fromStdString(s), true);
    if (r.m_lstErrors.empty()) {
      m_strContext = "Not found.";
    } else {
      for (const std::string& e : r.m_lstErrors)
        m_strContext = m_strContext.isEmpty() ? QString::fromStdString(e)
                                              : QString::fromStdString(e) + "\r\n" + m_strContext;
    }
  }
  UpdateControls();
  return 1;
}

int CSpellCheckDlg::IsIgnored(const std::string& word) const {
  // The lists only grow; their sets are rebuilt when they have.
  const size_t sizes = (m_pIgnoreList ? m_pIgnoreList->size() : 0) +
                       (m_pPersonalDict ? m_pPersonalDict->size() : 0);
  if (sizes != m_nIgnoredCount) {
    m_ignored.clear();
    for (const CStringList* list : {m_pIgnoreList, m_pPersonalDict})
      if (list) m_ignored.insert(list->begin(), list->end());
    m_nIgnoredCount = sizes;
  }
  return m_ignored.count(word) ? 1 : 0;
}

void CSpellCheckDlg::UpdateControls() {
  QString shown = m_strContext;
  shown.replace("\r\n", "\n");
  if (m_editContext->toPlainText() != shown) m_editContext->setPlainText(shown);
}

void CSpellCheckDlg::EnableActions(bool bEnable) {
  for (QPushButton* b : {m_btnIgnore, m_btnIgnoreAll, m_btnAdd, m_btnChange, m_btnChangeAll})
    b->setEnabled(bEnable);
}

void CSpellCheckDlg::EndCheck() {
  m_bFinished = true;
  if (m_pView) Select(m_nInitialStart, std::min(m_nInitialEnd, TextLength()));
  hide();
  if (m_saveDictionary) m_saveDictionary();
}

void CSpellCheckDlg::ResetIdle() {
  // Moving the selection or answering a question during a search is the check's own doing.
  if (m_bBusy) return;
  m_bIdle = true;
  m_btnIgnore->setText(kBeginText);
  m_editInput->clear();
  m_strContext.clear();
  UpdateControls();
  m_listSuggestions->clear();
  // Stopped, only Begin and Cancel mean anything: Enter must not change the user's text.
  EnableActions(false);
  m_btnIgnore->setEnabled(true);
  m_btnCancel->setEnabled(true);
}

// ---- Buttons ----

void CSpellCheckDlg::OnIgnore() {
  if (m_bIdle)
    Start(nullptr);
  else
    FindNextError();
}

void CSpellCheckDlg::OnIgnoreAll() {
  if (m_bIdle) return;
  if (!m_strInput.isEmpty() && m_pIgnoreList) m_pIgnoreList->push_back(m_strInput.toStdString());
  FindNextError();
}

void CSpellCheckDlg::OnAdd() {
  if (m_bIdle) return;
  if (!m_strInput.isEmpty() && m_pPersonalDict) m_pPersonalDict->push_back(m_strInput.toStdString());
  FindNextError();
}

void CSpellCheckDlg::OnChange() {
  if (!OnWordUnderCheck()) return;
  QTextCursor cursor = m_pView->textCursor();
  const QString text = m_pView->IsPiqadSelection() ? Piqad(m_strReplacement) : m_strReplacement;
  const int delta = int(text.size()) - (m_nWordEnd - m_nWordStart);
  cursor.insertText(text);
  m_bTextStale = true;
  m_pView->setTextCursor(cursor);
  m_nCurrentPos = cursor.position();
  if (m_nWordStart < m_nInitialEnd) m_nInitialEnd += delta;
  if (m_nWordStart < m_nInitialStart) m_nInitialStart += delta;
  if (m_nWordStart < m_nWrapEnd) m_nWrapEnd += delta;
  FindNextError();
}

int CSpellCheckDlg::ReplaceAll(const QString& from, const QString& to, int start, int& end) {
  if (from.isEmpty()) return 0;
  int total = 0;
  QTextCursor cursor(m_pView->document());
  for (int at = start;;) {
    const int match = Text().indexOf(from, at, Qt::CaseSensitive);
    if (match < 0 || match + from.size() > end) break;
    const int after = match + int(from.size());
    // The word under check counts as whole even after a character that cannot begin a word.
    const bool bWhole = (match == 0 || match == m_nWordStart ||
                         m_delimiters.Contains(Text().at(match - 1))) &&
                        (after >= Text().size() || m_delimiters.Contains(Text().at(after)));
    if (!bWhole) {
      at = match + 1;
      continue;
    }
    const QString text = IsPiqadRange(match, after) ? Piqad(to) : to;
    const int delta = int(text.size()) - int(from.size());
    cursor.setPosition(match);
    cursor.setPosition(after, QTextCursor::KeepAnchor);
    cursor.insertText(text);
    // Inside an edit block the document reports its changes only at the end.
    m_bTextStale = true;
    // Positions after the match move with the text.
    if (match < m_nWordStart) m_nWordStart += delta;
    if (match < m_nWordEnd) m_nWordEnd += delta;
    if (match < m_nInitialEnd) m_nInitialEnd += delta;
    if (match < m_nInitialStart) m_nInitialStart += delta;
    if (match < m_nWrapEnd) m_nWrapEnd += delta;
    end += delta;
    total += delta;
    at = match + int(text.size());
  }
  return total;
}

void CSpellCheckDlg::OnChangeAll() {
  if (!OnWordUnderCheck()) return;
  const QString old = m_strCurrentWord;
  const bool bPiqad = m_pView->IsPiqadSelection();
  // Inside a selection still being checked only the selection; else the whole document.
  const bool bInSelection = m_nInitialStart != m_nInitialEnd && !m_bContinued && !m_bWrapped;
  const int start = bInSelection ? m_nInitialStart : 0;
  int end = bInSelection ? m_nInitialEnd : TextLength();

  QTextCursor block(m_pView->document());
  block.beginEditBlock();
  ReplaceAll(old, m_strReplacement, start, end);
  // The same word in the other script.
  const QString otherOld = bPiqad ? Latin(old) : Piqad(old);
  const QString otherNew = bPiqad ? Latin(m_strReplacement) : Piqad(m_strReplacement);
  if (otherOld != old) ReplaceAll(otherOld, otherNew, start, end);
  block.endEditBlock();

  Select(m_nWordStart, m_nWordEnd);
  m_nCurrentPos = m_nWordEnd;
  FindNextError();
}

void CSpellCheckDlg::reject() {
  // A stopped check has nothing to put back: the user's selection stays.
  if (!m_bIdle && !m_bFinished)
    EndCheck();
  else
    hide();
}
