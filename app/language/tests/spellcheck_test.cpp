// The spell checker driven through its buttons on a document view: the walk,
// the questions, the five actions, both scripts, and the four mends (idle
// state, Change All range, positions at the ends, results by value).
#include "doctestutil.h"
#include "langtestutil.h"
#include "morphan/piqad.h"
#include "spellcheckdlg.h"

namespace {

class SpellCheckTest : public ::testing::Test {
 protected:
  void Open(const QString& text) {
    m_view = MakeView(text);
    m_dlg = new CSpellCheckDlg(m_view.get());
    m_dlg->SetWordLists(&m_lex, &m_ignore, &m_dict);
    m_dlg->SetDictionarySaver([this] { ++m_saves; });
  }
  void Click(const char* name) {
    auto* button = m_dlg->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    button->click();
  }
  bool Enabled(const char* name) const { return m_dlg->findChild<QPushButton*>(name)->isEnabled(); }
  QString Selected() const { return m_view->textCursor().selectedText(); }
  QString Input() const { return m_dlg->findChild<QLineEdit*>("input")->text(); }
  QString Text() const { return m_view->toPlainText(); }
  // Starts a check with [start, end) selected.
  void StartAt(int start, int end) {
    Select(*m_view, start, end);
    m_dlg->Start(m_view.get());
  }

  CKLex m_lex = SmallLexicon();
  CStringList m_ignore, m_dict;
  int m_saves = 0;
  std::unique_ptr<CVek99View> m_view;
  CSpellCheckDlg* m_dlg = nullptr;  // owned by the view
};

}  // namespace

TEST_F(SpellCheckTest, StopsOnEachProblemWordAndRunsToTheEnd) {
  CMessageLog log;
  Open("tlhIngan ej yaj qoq a 42 yIH, Duj\nab3 Sop");
  StartAt(0, 0);
  // "ej" has a reading with a problem: its messages and suggestions are shown.
  EXPECT_EQ(Selected(), "ej");
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_EQ(m_dlg->findChild<QPushButton*>("ignore")->text(), "&Ignore");
  EXPECT_EQ(m_dlg->GetContext(), "Spelling or case.");
  EXPECT_EQ(m_dlg->Suggestions(), QStringList{"'ej"});
  EXPECT_EQ(m_dlg->GetReplacement(), "'ej");
  Click("ignore");
  // A word without reading: "Not found." and the nearest words.
  EXPECT_EQ(Selected(), "qoq");
  EXPECT_EQ(m_dlg->GetContext(), "Not found.");
  Click("ignore");
  // One-letter words and digits are passed over; ab3 is examined whole.
  EXPECT_EQ(Selected(), "ab3");
  Click("ignore");
  // From the very start there is no wrap question: the check ends.
  EXPECT_TRUE(m_dlg->IsFinished());
  EXPECT_FALSE(m_dlg->isVisible());
  EXPECT_TRUE(log.m_messages.empty());
  EXPECT_EQ(m_view->textCursor().position(), 0);
  EXPECT_EQ(m_saves, 1);
}

TEST_F(SpellCheckTest, SelectionAndWrapQuestions) {
  struct Row {
    const char* name;
    int start, end;
    std::deque<QMessageBox::StandardButton> answers;
    QStringList stops;      // words stopped on, in order
    QStringList questions;  // first words of the questions asked
  } rows[] = {
      {"caret inside a word takes the whole word, and it is not checked twice", 23, 23,
       {QMessageBox::Yes}, {"zzc", "zza", "zzb"}, {"You"}},
      {"selection, then the rest, then the wrap", 4, 8,
       {QMessageBox::Yes, QMessageBox::Yes}, {"zza", "zzb", "zzc"}, {"Finished", "You"}},
      {"selection only", 4, 8, {QMessageBox::No}, {"zza"}, {"Finished"}},
      {"no wrap", 13, 13, {QMessageBox::No}, {"zzb", "zzc"}, {"You"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.name);
    // zza at 4, zzb at 13, zzc at 22
    Open("yaj zza Duj. zzb yaj, zzc");
    CMessageLog log(r.answers);
    StartAt(r.start, r.end);
    QStringList stops;
    for (int guard = 0; !m_dlg->IsFinished() && guard < 10; ++guard) {
      stops << Selected();
      Click("ignore");
    }
    EXPECT_EQ(stops, r.stops);
    QStringList asked;
    for (const QString& text : log.Texts()) asked << text.section(' ', 0, 0);
    EXPECT_EQ(asked, r.questions);
    // The initial selection comes back.
    EXPECT_EQ(m_view->textCursor().selectionStart(), r.start);
    EXPECT_EQ(m_view->textCursor().selectionEnd(), r.end);
  }
}

TEST_F(SpellCheckTest, IgnoreAllAndAddLastBeyondTheCheck) {
  CMessageLog log;
  Open("qoq yaj qoq vut vut");
  StartAt(0, 0);
  EXPECT_EQ(Selected(), "qoq");
  Click("ignoreAll");
  EXPECT_EQ(Selected(), "vut");
  EXPECT_EQ(m_view->textCursor().selectionStart(), 12);
  // What the user typed into Input is what is added.
  m_dlg->findChild<QLineEdit*>("input")->setText("vut");
  Click("add");
  EXPECT_TRUE(m_dlg->IsFinished());
  EXPECT_EQ(m_ignore, CStringList{"qoq"});
  EXPECT_EQ(m_dict, CStringList{"vut"});
  EXPECT_EQ(m_saves, 1);
  // A second check accepts both; a word differing in case is not accepted.
  m_view->setPlainText("qoq vut Vut");
  StartAt(0, 0);
  EXPECT_EQ(Selected(), "Vut");
}

TEST_F(SpellCheckTest, ChangeWritesTheReplacementAsOneUndoStep) {
  CMessageLog log;
  Open("tlhIngan ej yaj");
  StartAt(0, 0);
  ASSERT_EQ(Selected(), "ej");
  Click("change");
  EXPECT_EQ(Text(), "tlhIngan 'ej yaj");
  EXPECT_TRUE(m_dlg->IsFinished());
  m_view->undo();
  EXPECT_EQ(Text(), "tlhIngan ej yaj");
  // A replacement picked in the list, or typed, wins over the first suggestion.
  StartAt(0, 0);
  m_dlg->findChild<QLineEdit*>("input")->setText("je");
  Click("change");
  EXPECT_EQ(Text(), "tlhIngan je yaj");
}

TEST_F(SpellCheckTest, PiqadWordsAreCheckedInLatinAndChangedInPiqad) {
  CMessageLog log;
  Open("yaj ej");
  Select(*m_view, 0, 6);
  m_view->ConvertSelectionToPiqad();
  ASSERT_EQ(Text(), "YAJ EJ");
  StartAt(0, 0);
  EXPECT_EQ(Selected(), "EJ");
  EXPECT_EQ(Input(), "ej");
  Click("change");
  EXPECT_EQ(Text(), "YAJ 'EJ");
}

TEST_F(SpellCheckTest, ChangeAllReplacesWholeWordsInBothScripts) {
  CMessageLog log;
  Open("ej yaj ej.ejej ej");
  // The last word shown in pIqaD.
  Select(*m_view, 15, 17);
  m_view->ConvertSelectionToPiqad();
  ASSERT_EQ(Text(), "ej yaj ej.ejej EJ");
  StartAt(0, 0);
  ASSERT_EQ(Selected(), "ej");
  Click("changeAll");
  // A match inside a longer word is left alone; the pIqaD one gets pIqaD.
  EXPECT_EQ(Text(), "'ej yaj 'ej.ejej 'EJ");
  EXPECT_EQ(Selected(), "ejej");
  m_view->undo();
  EXPECT_EQ(Text(), "ej yaj ej.ejej EJ");
}

TEST_F(SpellCheckTest, ChangeAllRangeFollowsTheCheck) {
    {
    SCOPED_TRACE("inside the selection: only the selection, its end moves");
    CMessageLog log({QMessageBox::No});
    Open("yaj zzzz zzzz yaj zzzz qoq");
    StartAt(4, 14);
    ASSERT_EQ(Selected(), "zzzz");
    m_dlg->findChild<QLineEdit*>("input")->setText("Duj");
    Click("changeAll");
    EXPECT_EQ(Text(), "yaj Duj Duj yaj zzzz qoq");
    // The selection shrank by two: the question comes before the yaj that followed it.
    EXPECT_EQ(log.Texts(), QStringList{"Finished checking selection.  Check rest of document?"});
    EXPECT_EQ(Selected(), "Duj Duj ");
  }
  {
    SCOPED_TRACE("past the selection: the whole document, the selection moves");
    CMessageLog log({QMessageBox::Yes, QMessageBox::No});
    Open("yaj qoq yaj qoqqoq qoq");
    StartAt(0, 3);
    ASSERT_EQ(Selected(), "qoq");
    m_dlg->findChild<QLineEdit*>("input")->setText("ej'ej");
    Click("changeAll");
    EXPECT_EQ(Text(), "yaj ej'ej yaj qoqqoq ej'ej");
    EXPECT_EQ(Selected(), "qoqqoq");
    Click("cancel");
    EXPECT_EQ(m_view->textCursor().selectionStart(), 0);
    EXPECT_EQ(m_view->textCursor().selectionEnd(), 3);
  }
}

TEST_F(SpellCheckTest, IdleStateLeavesTheDocumentAlone) {
  CMessageLog log;
  Open("tlhIngan ej yaj");
  StartAt(0, 0);
  ASSERT_EQ(Selected(), "ej");
  // The view gets the focus back: the check stops and waits for Begin.
  m_dlg->ResetIdle();
  EXPECT_TRUE(m_dlg->IsIdle());
  EXPECT_EQ(m_dlg->findChild<QPushButton*>("ignore")->text(), "&Begin");
  for (const char* name : {"ignoreAll", "add", "change", "changeAll"})
    EXPECT_FALSE(Enabled(name)) << name;
  EXPECT_TRUE(Enabled("ignore"));
  EXPECT_TRUE(Enabled("cancel"));
  // The user selects other text; Enter on the dialog must not replace it.
  Select(*m_view, 0, 8);
  QTest::keyClick(m_dlg, Qt::Key_Return);
  Click("change");
  Click("changeAll");
  EXPECT_EQ(Text(), "tlhIngan ej yaj");
  EXPECT_TRUE(m_ignore.empty());
  // Cancel when stopped keeps the user's selection.
  Click("cancel");
  EXPECT_EQ(Selected(), "tlhIngan");

  // Waiting on a word, Change acts only while the word is still selected.
  StartAt(0, 0);
  ASSERT_EQ(Selected(), "ej");
  Select(*m_view, 12, 15);
  Click("change");
  Click("changeAll");
  EXPECT_EQ(Text(), "tlhIngan ej yaj");
  // Begin starts again from the selection.
  m_dlg->ResetIdle();
  Select(*m_view, 9, 9);
  Click("ignore");
  EXPECT_EQ(Selected(), "ej");
}

TEST_F(SpellCheckTest, PositionsAtTheEndsEndTheCheck) {
  Open("ab, cd");
  EXPECT_EQ(m_dlg->FindFirstOf(-1, m_dlg->m_wordChars), -1);
  EXPECT_EQ(m_dlg->FindFirstOf(6, m_dlg->m_wordChars), -1);
  EXPECT_EQ(m_dlg->FindFirstOf(100, m_dlg->m_delimiters), -1);
  EXPECT_EQ(m_dlg->FindFirstOf(1, m_dlg->m_wordChars), 1);
  EXPECT_EQ(m_dlg->FindFirstOf(0, m_dlg->m_delimiters), 2);
  EXPECT_EQ(m_dlg->FindFirstOf(3, m_dlg->m_wordChars), 4);
  // Documents without letters, checked from the middle: one wrap question, then the end.
  for (const QString& text : {QString("12 + 34 = 46 !!"), QString(".,;:!?\n\n--"), QString()}) {
    SCOPED_TRACE(text.toStdString());
    CMessageLog log({QMessageBox::Yes, QMessageBox::Yes, QMessageBox::Yes});
    Open(text);
    StartAt(int(text.size()) / 2, int(text.size()) / 2);
    EXPECT_TRUE(m_dlg->IsFinished());
    EXPECT_LE(log.m_messages.size(), 1u);
  }
}

TEST_F(SpellCheckTest, LongWordsAndLongDocumentsEnd) {
  CMessageLog log;
  const QString word(5000, 'q');
  Open("yaj " + word + " yaj");
  StartAt(0, 0);
  EXPECT_EQ(Selected().size(), 5000);
  EXPECT_TRUE(m_dlg->Suggestions().isEmpty());
  Click("ignoreAll");
  EXPECT_TRUE(m_dlg->IsFinished());
  // A long document of known and ignored words runs through without a stop.
  QString many;
  for (int i = 0; i < 20000; ++i) many += i % 2 ? "yaj " : "qqqq, ";
  m_ignore.push_back("qqqq");
  Open(many);
  StartAt(0, 0);
  EXPECT_TRUE(m_dlg->IsFinished());
}
