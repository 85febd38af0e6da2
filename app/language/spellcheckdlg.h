#pragma once
// The spell checker of one document view: walks the words of the document
// from the selection on, stops at each word the analyser finds a problem in,
// and offers Ignore, Ignore All, Add, Change and Change All.
#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <unordered_set>

#include "morphan/klingonparser.h"
#include "morphan/suggest.h"
#include "wordbank/klex.h"

class CVek99View;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The characters of one table of the checker: which may begin a word, which end one.
class CCharTable {
 public:
  explicit CCharTable(const QStringList& entries);
  bool Contains(QChar ch) const;
  const QStringList& Entries() const { return m_entries; }

 private:
  QStringList m_entries;
  std::array<bool, 128> m_ascii{};
  QString m_other;
};

class CSpellCheckDlg : public QDialog {
  Q_OBJECT
 public:
  // `pView` owns the window; its window stays hidden until a check stops on a word.
  explicit CSpellCheckDlg(CVek99View* pView);
  ~CSpellCheckDlg() override;

  // The lexicon, the ignore list and the personal dictionary; the program's
  // own unless given here.
  void SetWordLists(CKLex* pLexicon, CStringList* pIgnoreList, CStringList* pPersonalDict);
  // Called when a check ends, to keep what Add added; the program's dictionary save by default.
  void SetDictionarySaver(std::function<void()> save) { m_saveDictionary = std::move(save); }

  // Begins a check at the view's current selection.
  void Start(CVek99View* pView = nullptr);
  // Moves to the next word with a problem and shows the window there, or ends the check.
  void FindNextError();
  // Nonzero when `word` has a problem; fills the suggestions and the context then.
  int CheckWord(const QString& word);
  // Nonzero when `word` is on the ignore list or in the personal dictionary.
  int IsIgnored(const std::string& word) const;
  // The first position at or after `position` holding a character of `table`;
  // -1 when there is none or `position` lies outside the text.
  int FindFirstOf(int position, const CCharTable& table) const;
  // The owning view got the focus: back to the idle state.
  void ResetIdle();

  void OnIgnore();
  void OnIgnoreAll();
  void OnAdd();
  void OnChange();
  void OnChangeAll();

  bool IsFinished() const { return m_bFinished; }
  bool IsIdle() const { return m_bIdle; }
  QString GetContext() const { return m_strContext; }
  QString GetReplacement() const { return m_strReplacement; }
  QStringList Suggestions() const;

  const CCharTable m_wordChars;
  const CCharTable m_delimiters;

 public slots:
  void reject() override;

 private:
  // One step: selects the next word, or finishes.
  void NextWord();
  void NextWordToExamine();
  // Ends the check: the initial selection back, the window hidden, the dictionary kept.
  void EndCheck();
  bool Ask(const char* question);
  void Select(int start, int end);
  // The document's text with one character per position (paragraph ends included).
  const QString& Text() const;
  int TextLength() const;
  bool IsPiqadRange(int start, int end) const;
  // The current selection is still the word the check stopped on.
  bool OnWordUnderCheck() const;
  void SetInput(const QString& word);
  void UpdateControls();
  void EnableActions(bool bEnable);
  // Replaces whole-word, case-sensitive `from` by `to` in [start, end); moves
  // the tracked positions by the length changes before them; returns the summed change.
  int ReplaceAll(const QString& from, const QString& to, int start, int& end);
  void AddSuggestion(const QString& word, bool bSorted);

  QPointer<CVek99View> m_pView;
  QString m_strInput;
  QString m_strSuggestion;
  QString m_strContext;
  QString m_strCurrentWord;
  int m_nPendingStart = -1;
  bool m_bContinued = false;
  bool m_bWrapped = false;
  bool m_bFinished = false;
  int m_nInitialEnd = 0;
  int m_nInitialStart = 0;
  int m_nCurrentPos = 0;
  // After the wrap the check ends at the first word it began with.
  int m_nWrapEnd = 0;
  // The word the check stopped on, [start, end).
  int m_nWordStart = -1;
  int m_nWordEnd = -1;
  CKlingonParser m_parser;
  CParseMemo m_memo;
  QString m_strReplacement;
  CStringList* m_pIgnoreList = nullptr;
  CStringList* m_pPersonalDict = nullptr;
  CKLex* m_pLexicon = nullptr;
  std::unique_ptr<morphan::CSpellingSuggester> m_pSuggester;
  uint64_t m_nSuggesterRevision = 0;
  std::function<void()> m_saveDictionary;
  bool m_bIdle = true;
  bool m_bBusy = false;
  mutable std::unordered_set<std::string> m_ignored;
  mutable size_t m_nIgnoredCount = 0;
  mutable QString m_text;
  mutable bool m_bTextStale = true;

  QLineEdit* m_editInput;
  QListWidget* m_listSuggestions;
  QPlainTextEdit* m_editContext;
  QPushButton* m_btnIgnore;
  QPushButton* m_btnIgnoreAll;
  QPushButton* m_btnAdd;
  QPushButton* m_btnChange;
  QPushButton* m_btnChangeAll;
  QPushButton* m_btnCancel;
};
