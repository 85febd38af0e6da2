// Find, Find Next and Replace.

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
  const QList<QStringList> rows = FixtureRows(VEK_DOC_FIXTURES "/find.txt");
  ASSERT_EQ(rows.size(), 10);
  for (const QStringList& r : rows) {
    CFindOptions options = Find(r.value(0));
    options.bMatchCase = r.value(1) == "case";
    options.bWholeWord = r.value(2) == "whole";
    options.bUp = r.value(3) == "up";
    const int expected = r.value(4).toInt();
    EXPECT_EQ(FindNextIn(*view, options), expected >= 0) << r.join('|').toStdString();
    if (expected >= 0) {
      EXPECT_EQ(view->textCursor().selectionStart(), expected) << r.join('|').toStdString();
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
