// Find, Find Next and Replace.
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>

#include "doctestutil.h"
#include "findreplace.h"

namespace {

CFindOptions Find(const QString& text, const QString& replace = QString()) {
  CFindOptions options;
  options.strFind = text;
  options.strReplace = replace;
  return options;
}

TEST(FindTest, CaseWholeWordsAndDirection) {
  auto view = MakeView("Qapla' qapla' Qaplaz qapla'");
  struct Row {
    const char* find;
    bool bMatchCase, bWholeWord, bUp;
    int expected;  // start of the match found from the last one, -1 for none
  };
  const Row rows[] = {
      {"qapla", false, false, false, 0},  {"qapla", true, false, false, 7},
      {"qapla", true, false, false, 21},  {"qapla", true, false, false, 7},  // round the end
      {"qapla", true, false, true, 21},   {"Qapla", true, true, false, 0},
      {"Qapla", true, true, false, 0},  // "Qaplaz" is no whole word
      {"ghoti", false, false, false, -1}, {"", false, false, false, -1},
  };
  for (const Row& r : rows) {
    CFindOptions options = Find(r.find);
    options.bMatchCase = r.bMatchCase;
    options.bWholeWord = r.bWholeWord;
    options.bUp = r.bUp;
    EXPECT_EQ(FindNextIn(*view, options), r.expected >= 0) << &r - rows;
    if (r.expected >= 0) {
      EXPECT_EQ(view->textCursor().selectionStart(), r.expected) << &r - rows;
    }
  }
}

TEST(FindTest, ReplaceAllIsOneUndoStepAndReplaceFindsFirst) {
  auto view = MakeView("a ba a\nab a");
  CFindOptions options = Find("a", "aa");
  options.bWholeWord = true;
  EXPECT_EQ(ReplaceAllIn(*view, options), 3);
  EXPECT_EQ(view->toPlainText(), "aa ba aa\nab aa");
  EXPECT_TRUE(view->GetDocument()->IsModified());
  view->undo();
  EXPECT_EQ(view->toPlainText(), "a ba a\nab a");
  EXPECT_FALSE(view->document()->isUndoAvailable());
  EXPECT_EQ(ReplaceAllIn(*view, Find("x")), 0);

  view = MakeView("Hol Hol Hol");
  // Nothing selected yet: the first press only finds.
  ASSERT_TRUE(ReplaceNextIn(*view, Find("Hol", "ghol")));
  EXPECT_EQ(view->toPlainText(), "Hol Hol Hol");
  ASSERT_TRUE(ReplaceNextIn(*view, Find("Hol", "ghol")));
  EXPECT_EQ(view->toPlainText(), "ghol Hol Hol");
  EXPECT_EQ(view->textCursor().selectionStart(), 5);
}

TEST(FindTest, DialogWorksOnItsTargetAndSaysWhenNothingIsFound) {
  auto view = MakeView("maj maj");
  CFindReplaceDlg dialog(true, [&view]() -> QTextEdit* { return view.get(); });
  dialog.SetOptions(Find("maj", "QaQ"));
  CFindOptions seen;
  QObject::connect(&dialog, &CFindReplaceDlg::optionsChanged,
                   [&seen](const CFindOptions& o) { seen = o; });
  CMessageLog answers;
  dialog.OnReplaceAll();
  EXPECT_EQ(view->toPlainText(), "QaQ QaQ");
  EXPECT_EQ(seen.strReplace, "QaQ");
  dialog.OnFindNext();
  EXPECT_EQ(answers.Texts(), QStringList{"Cannot find the string 'maj'."});
  // An empty search cannot be started.
  dialog.findChild<QLineEdit*>("findWhat")->clear();
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() != "Cancel") {
      EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    }
}

}  // namespace
