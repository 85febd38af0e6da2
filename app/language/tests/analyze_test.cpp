// Analyze Document: the report's lines for the ways a text can be cut, and
// the commands of the main window that start the language tools from a view.
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "analyzedoc.h"
#include "canon/canonsearchdlg.h"
#include "doccommands.h"
#include "doctestutil.h"
#include "langtestutil.h"
#include "languagetools.h"
#include "mainframe.h"
#include "spellcheckdlg.h"
#include "translatedlg.h"

TEST(AnalysisReport, LinesPerPiece) {
  CKLex lex = SmallLexicon();
  struct Row {
    const char* text;
    std::string report;
  } rows[] = {
      {"yaj Duj", "V: yaj: " + std::string(kYaj) + "\nN: Duj: ship\n"},
      {"yaj\n", "V: yaj: " + std::string(kYaj) + "\n\n"},                      // a final blank line
      {"yaj  Duj", "V: yaj: " + std::string(kYaj) + "\n\nN: Duj: ship\n"},     // two spaces
      {" yaj \t\r\nDuj", "\nV: yaj: " + std::string(kYaj) + "\nN: Duj: ship\n"},  // leading space; trailing blanks go
      {"xyzzy", "X: xyzzy: *** not found ***\n"},
      {"ej", "CONJ: 'ej: and (1 errors 0.91)\n"},
      {"", "\n"},
      {".,;!", "X: .,;!: *** not found ***\n"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.text);
    EXPECT_EQ(AnalysisReport(r.text, lex).toStdString(), r.report);
  }
  EXPECT_EQ(AnalysisReport("yaj Duj", lex, "\r\n").toStdString(),
            "V: yaj: " + std::string(kYaj) + "\r\nN: Duj: ship\r\n");
  // A word with punctuation keeps it, and the analyser says what it made of it.
  EXPECT_TRUE(AnalysisReport("yaj,", lex).startsWith(QString("V: yaj: ") + kYaj + " ("));
}

// The command fills the report view in batches while another thread analyses:
// the result must be the report text exactly, in the given format, replacing
// what the view held, with nothing to undo.
TEST(AnalysisReport, FilledViewHoldsTheReportInItsFormat) {
  CKLex lex = SmallLexicon();
  QString text;
  const char* words[] = {"tlhIngan", "yaj", "Duj,", "xyzzy", "", "ej"};
  for (int i = 0; i < 5000; ++i) {
    text += words[i % 6];
    text += i % 7 == 6 ? "\n" : " ";
  }
  auto view = MakeView("old text");
  view->textCursor().insertText(" typed");
  ASSERT_TRUE(view->document()->isUndoAvailable());
  QTextCharFormat format;
  format.setFontFamilies({"Courier New"});
  format.setFontPointSize(13);
  FillAnalysisReport(text, lex, *view->document(), format);

  const QString expected = AnalysisReport(text, lex);
  ASSERT_EQ(view->toPlainText(), expected);
  EXPECT_FALSE(view->document()->isUndoAvailable());
  for (int pos : {1, int(expected.size()) / 2, int(expected.size()) - 2}) {
    EXPECT_EQ(FaceAt(*view, pos), "Courier New") << pos;
    EXPECT_EQ(FormatAt(*view, pos).fontPointSize(), 13) << pos;
  }
  // Edits after it are undoable as usual.
  view->textCursor().insertText("x");
  EXPECT_TRUE(view->document()->isUndoAvailable());

  FillAnalysisReport("", lex, *view->document(), format);
  EXPECT_EQ(view->toPlainText(), "\n");
}

namespace {

class LanguageFrameTest : public AppTest {
 protected:
  CVek99View* NewDocument(const QString& text) {
    Command("ID_FILE_NEW")->trigger();
    CVek99View* view = m_frame->DocCommands()->ActiveView();
    EXPECT_NE(view, nullptr);
    if (view) view->textCursor().insertText(text);
    return view;
  }
  CLanguageTools* Tools() const { return m_frame->findChild<CLanguageTools*>(); }
};

}  // namespace

TEST_F(LanguageFrameTest, AnalyzeDocumentOpensTheReport) {
  Start();
  CVek99View* view = NewDocument("tlhIngan yaj\nxyzzy");
  Command("ID_FILE_ANALYZE")->trigger();
  EXPECT_EQ(Titles().size(), 2);
  CVek99View* report = m_frame->DocCommands()->ActiveView();
  ASSERT_NE(report, view);
  EXPECT_EQ(report->toPlainText(),
            QString("N: tlhIngan: Klingon\nV: yaj: ") + kYaj + "\nX: xyzzy: *** not found ***\n");
  EXPECT_TRUE(report->GetDocument()->IsModified());
  EXPECT_FALSE(report->GetDocument()->IsRtf());
  EXPECT_EQ(m_frame->GetMessageText(), "Ready");
  for (CVek99View* v : {view, report}) v->GetDocument()->SetModifiedFlag(false);
}

TEST_F(LanguageFrameTest, ViewCommandsStartTheTools) {
  Start();
  CVek99View* view = NewDocument("tlhIngan yaj xyzzy");
  CTranslateDlg* translate = Tools()->TranslateDlg();
  EXPECT_FALSE(translate->isVisible());
  // Shift+F7 translates the selection.
  Select(*view, 0, 12);
  Command("ID_TRANSLATE_SELECTION")->trigger();
  EXPECT_TRUE(translate->isVisible());
  EXPECT_EQ(translate->m_listResults->topLevelItemCount(), 2);
  // The right button shows the quick lookup of the selection.
  view->setContextMenuPolicy(Qt::NoContextMenu);
  Select(*view, 0, 8);
  QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(5, 5));
  ASSERT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_EQ(m_log.m_messages[0].strText, "tlhIngan: N: Klingon\n");

  // Ctrl+F7 starts the view's own spell checker at the selection.
  Select(*view, 0, 0);
  Command("ID_LANGUAGE_SPELLCHECK")->trigger();
  CSpellCheckDlg* speller = CLanguageTools::SpellCheckerOf(view);
  ASSERT_NE(speller, nullptr);
  EXPECT_EQ(view->textCursor().selectedText(), "xyzzy");
  EXPECT_FALSE(speller->IsIdle());
  // The view taking the focus puts it back to Begin.
  emit view->focusGained();
  EXPECT_TRUE(speller->IsIdle());
  EXPECT_TRUE(Command("ID_LANGUAGE_TRANSLATE")->isEnabled());
  view->GetDocument()->SetModifiedFlag(false);
}

// A right click on a selection shows the quick lookup and no edit menu after
// it; without a selection the edit menu comes as usual.
TEST_F(LanguageFrameTest, RightClickLookupIsNotFollowedByTheEditMenu) {
  Start();
  CVek99View* view = NewDocument("tlhIngan yaj");
  int menus = 0;
  auto rightClick = [&] {
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        ++menus;
        popup->close();
      }
    });
    closer.start(10);
    // The press, then the menu request the window system sends after it.
    QTest::mouseClick(view->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              view->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view->viewport(), &request);
    QTest::qWait(20);
  };
  Select(*view, 0, 8);
  rightClick();
  ASSERT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_EQ(m_log.m_messages[0].strText, "tlhIngan: N: Klingon\n");
  EXPECT_EQ(menus, 0);
  Select(*view, 0, 0);
  rightClick();
  EXPECT_EQ(m_log.m_messages.size(), 1u);
  EXPECT_EQ(menus, 1);
  view->GetDocument()->SetModifiedFlag(false);
}

// A passage in pIqaD is analysed as the Latin words it spells.
TEST_F(LanguageFrameTest, AnalyzeDocumentReadsPiqadAsLatin) {
  Start();
  CVek99View* view = NewDocument("xyzzy tlhIngan yaj\nyaj");
  Select(*view, 6, 18);
  view->ConvertSelectionToPiqad();
  ASSERT_NE(view->toPlainText(), "xyzzy tlhIngan yaj\nyaj");
  Command("ID_FILE_ANALYZE")->trigger();
  CVek99View* report = m_frame->DocCommands()->ActiveView();
  ASSERT_NE(report, view);
  EXPECT_EQ(report->toPlainText(), QString("X: xyzzy: *** not found ***\nN: tlhIngan: Klingon\nV: yaj: ") +
                                       kYaj + "\nV: yaj: " + kYaj + "\n");
  for (CVek99View* v : {view, report}) v->GetDocument()->SetModifiedFlag(false);
}

// The translate window's Find in Canon searches the program's canon for the
// selected row's word and comes back to the front afterwards.
TEST_F(LanguageFrameTest, TranslateFindsTheSelectedWordInTheCanon) {
  Start();
  m_app.m_canonDB.Add({"jIyajbe'.", "I don't understand.", "Test Book p.1"});
  m_app.m_canonDB.Add({"tlhIngan maH!", "We are Klingons!", "Test Book p.2"});
  CTranslateDlg* translate = Tools()->TranslateDlg();
  translate->TranslateText("tlhIngan yaj");
  ASSERT_EQ(translate->m_listResults->topLevelItemCount(), 2);
  QTreeWidgetItem* yaj = translate->m_listResults->findItems("yaj", Qt::MatchExactly, 1).value(0);
  ASSERT_NE(yaj, nullptr);
  translate->m_listResults->setCurrentItem(yaj);
  QString word;
  int rows = -1;
  QTimer::singleShot(0, [&] {
    auto* canon = qobject_cast<CCanonSearch*>(QApplication::activeModalWidget());
    if (!canon) return;
    word = canon->findChild<QLineEdit*>("word")->text();
    rows = canon->GetResultCount();
    canon->reject();
  });
  translate->findChild<QPushButton*>("findInCanon")->click();
  EXPECT_EQ(word, "yaj");
  EXPECT_EQ(rows, 1);
  EXPECT_TRUE(translate->isVisible());
}
