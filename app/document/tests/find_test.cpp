// Find, Find Next and Replace.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "doctestutil.h"
#include "findreplace.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

CFindOptions Find(const QString& text) {
  CFindOptions options;
  options.strFind = text;
  return options;
}

TEST(FindTest, CaseWholeWordsAndDirection) {
  auto view = MakeView("Qapla' qapla' Qaplaz qapla'");
  CFindOptions options = Find("qapla");
  ASSERT_TRUE(FindNextIn(*view, options));
  EXPECT_EQ(view->textCursor().selectionStart(), 0);
  options.bMatchCase = true;
  ASSERT_TRUE(FindNextIn(*view, options));
  EXPECT_EQ(view->textCursor().selectionStart(), 7);
  ASSERT_TRUE(FindNextIn(*view, options));
  EXPECT_EQ(view->textCursor().selectionStart(), 21);
  // Round the end, back to the first.
  ASSERT_TRUE(FindNextIn(*view, options));
  EXPECT_EQ(view->textCursor().selectionStart(), 7);
  options.bUp = true;
  ASSERT_TRUE(FindNextIn(*view, options));
  EXPECT_EQ(view->textCursor().selectionStart(), 21);

  options = Find("Qapla");
  options.bWholeWord = true;
  options.bMatchCase = true;
  view->moveCursor(QTextCursor::Start);
  ASSERT_TRUE(FindNextIn(*view, options));
  ASSERT_TRUE(FindNextIn(*view, options));
  // "Qaplaz" is no whole word: back at the first.
  EXPECT_EQ(view->textCursor().selectionStart(), 0);
  EXPECT_FALSE(FindNextIn(*view, Find("ghoti")));
  EXPECT_FALSE(FindNextIn(*view, Find("")));
}

TEST(FindTest, ReplaceAllIsOneUndoStep) {
  auto view = MakeView("a ba a\nab a");
  CFindOptions options = Find("a");
  options.strReplace = "aa";
  options.bWholeWord = true;
  EXPECT_EQ(ReplaceAllIn(*view, options), 3);
  EXPECT_EQ(view->toPlainText(), "aa ba aa\nab aa");
  EXPECT_TRUE(view->GetDocument()->IsModified());
  view->undo();
  EXPECT_EQ(view->toPlainText(), "a ba a\nab a");
  EXPECT_FALSE(view->document()->isUndoAvailable());
  EXPECT_EQ(ReplaceAllIn(*view, Find("x")), 0);
}

TEST(FindTest, ReplaceChangesTheMatchThenFindsTheNext) {
  auto view = MakeView("Hol Hol Hol");
  CFindOptions options = Find("Hol");
  options.strReplace = "ghol";
  // Nothing selected yet: the first press only finds.
  ASSERT_TRUE(ReplaceNextIn(*view, options));
  EXPECT_EQ(view->toPlainText(), "Hol Hol Hol");
  ASSERT_TRUE(ReplaceNextIn(*view, options));
  EXPECT_EQ(view->toPlainText(), "ghol Hol Hol");
  EXPECT_EQ(view->textCursor().selectionStart(), 5);
}

TEST(FindTest, DialogWorksOnItsTargetAndSaysWhenNothingIsFound) {
  auto view = MakeView("maj maj");
  CFindReplaceDlg dialog(true, [&view]() -> QTextEdit* { return view.get(); });
  CFindOptions options = Find("maj");
  options.strReplace = "QaQ";
  dialog.SetOptions(options);
  CFindOptions seen;
  QObject::connect(&dialog, &CFindReplaceDlg::optionsChanged,
                   [&seen](const CFindOptions& o) { seen = o; });
  CAnswers answers;
  dialog.OnReplaceAll();
  EXPECT_EQ(view->toPlainText(), "QaQ QaQ");
  EXPECT_EQ(seen.strReplace, "QaQ");
  dialog.OnFindNext();
  EXPECT_EQ(answers.m_texts, QStringList{"Cannot find the string 'maj'."});
  // An empty search cannot be started.
  dialog.findChild<QLineEdit*>("findWhat")->clear();
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() != "Cancel") {
      EXPECT_FALSE(button->isEnabled()) << button->text().toStdString();
    }
}

}  // namespace
