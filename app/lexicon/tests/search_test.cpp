#include <QLineEdit>

#include "canon/canonsearchdlg.h"
#include "lexicontestenv.h"
#include "searchlexicondlg.h"
#include "wordinfodlg.h"

namespace {

class SearchTest : public LexiconAppTest {
 protected:
  void SetUp() override {
    LexiconAppTest::SetUp();
    Command("ID_LANGUAGE_SEARCHLEXICON")->trigger();
    m_dlg = m_frame->findChild<CSearchLexiconDlg*>();
    ASSERT_NE(m_dlg, nullptr);
  }
  // Searches with the given controls; the words of the rows afterwards.
  QStringList Search(const QString& type, const QString& find, const QString& field,
                     const QString& mode) {
    m_dlg->m_comboType->setCurrentText(type);
    m_dlg->m_comboField->setCurrentText(field);
    m_dlg->m_comboMode->setCurrentText(mode);
    m_dlg->m_editFind->setText(find);
    m_dlg->m_btnSearch->click();
    QStringList words;
    for (int i = 0; i < m_dlg->m_listResults->topLevelItemCount(); ++i)
      words << m_dlg->m_listResults->topLevelItem(i)->text(0);
    return words;
  }
  CSearchLexiconDlg* m_dlg = nullptr;
};

}  // namespace

// Each row: type | field | mode | text | words found, sorted by key.
TEST_F(SearchTest, FindsByFieldModeAndType) {
  EXPECT_TRUE(m_dlg->isVisible());
  const auto rows = FixtureRows(VEK_LEXICON_FIXTURES "/search.txt");
  ASSERT_GE(rows.size(), 8);
  for (const QStringList& row : rows) {
    ASSERT_EQ(row.size(), 5);
    m_dlg->m_btnClear->click();
    const QStringList words = Search(row[0], row[3], row[1], row[2]);
    EXPECT_EQ(words.join(' '), row[4]) << row.join(" | ").toStdString();
    EXPECT_EQ(m_dlg->m_staticMatches->text(), QString::number(words.size()));
    EXPECT_TRUE(m_dlg->m_editFind->text().isEmpty());
  }
}

TEST_F(SearchTest, RowsAddUpUntilClearedAndTheCommandClears) {
  EXPECT_EQ(Search("any type", "*", "definition", "contains").size(), int(Lex().GetCount()));
  EXPECT_EQ(Search("verb", "*", "definition", "contains").size(), int(Lex().GetCount()) + 4);
  EXPECT_EQ(m_dlg->m_staticMatches->text(), QString::number(Lex().GetCount() + 4));
  // An empty text does nothing.
  EXPECT_EQ(Search("any type", "", "definition", "contains").size(), int(Lex().GetCount()) + 4);
  m_dlg->m_btnClear->click();
  EXPECT_EQ(m_dlg->m_listResults->topLevelItemCount(), 0);
  EXPECT_EQ(m_dlg->m_staticMatches->text(), "");
  Search("any type", "fight", "definition", "contains");
  m_dlg->m_btnDone->click();
  EXPECT_FALSE(m_dlg->isVisible());
  Command("ID_LANGUAGE_SEARCHLEXICON")->trigger();
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_EQ(m_dlg->m_listResults->topLevelItemCount(), 0);
}

// Find in Canon searches the program's canon for the first selected row's
// word, or opens the canon search empty when no row is selected.
TEST_F(SearchTest, FindInCanonSearchesTheCanonForTheFirstSelectedWord) {
  m_app.m_canonDB.Add({"Suv vIneH.", "I want to fight.", "Test Book p.1"});
  m_app.m_canonDB.Add({"Suvwi' jIH.", "I am a warrior.", "Test Book p.2"});
  m_app.m_canonDB.Add({"yIghoS!", "Go away!", "Test Book p.3"});
  struct Seen {
    QString word;
    int rows = -1;
  };
  auto findInCanon = [this] {
    Seen seen;
    OnNextModal([&](QWidget* w) {
      if (auto* canon = ModalAs<CCanonSearch>(w)) {
        seen.word = canon->findChild<QLineEdit*>("word")->text();
        seen.rows = canon->GetResultCount();
        canon->reject();
      }
    });
    m_dlg->m_btnCanon->click();
    return seen;
  };
  Search("any type", "fight", "definition", "contains");
  QTreeWidget* list = m_dlg->m_listResults;
  list->topLevelItem(2)->setSelected(true);
  list->topLevelItem(1)->setSelected(true);
  Seen seen = findInCanon();
  EXPECT_EQ(seen.word, "Suv");
  EXPECT_EQ(seen.rows, 2);  // inside words too: Suvwi' 

  list->clearSelection();
  seen = findInCanon();
  EXPECT_EQ(seen.word, "");
  EXPECT_EQ(seen.rows, 0);
  EXPECT_TRUE(m_dlg->isVisible());
}

TEST_F(SearchTest, HidingKeepsTheSelectedKeysAndInfoShowsTheFirst) {
  Search("any type", "fight", "definition", "contains");
  QTreeWidget* list = m_dlg->m_listResults;
  list->topLevelItem(2)->setSelected(true);
  list->topLevelItem(1)->setSelected(true);
  m_dlg->m_btnInfo->click();
  ASSERT_NE(m_dlg->m_pInfoDlg, nullptr);
  EXPECT_TRUE(m_dlg->m_pInfoDlg->isVisible());
  // The first selected row in list order: Suv, whose synonym is may'.
  ASSERT_EQ(m_dlg->m_pInfoDlg->m_listSynonyms->count(), 1);
  EXPECT_EQ(m_dlg->m_pInfoDlg->m_listSynonyms->item(0)->text(), "may'");
  m_dlg->m_btnDone->click();
  EXPECT_EQ(m_dlg->m_lstSelectedKeys, QStringList({"Suv", "Suvwi'"}));
}

// The preselected type is the first whose name begins with the text, ignoring
// case; a text that begins none means any type.
TEST_F(SearchTest, PreselectsTheTypeByItsBeginning) {
  const struct {
    const char* text;
    const char* type;
  } cases[] = {{"conj", "conjunction"}, {"VERB", "verb"}, {"ques", "question word"},
               {"excl", "exclamation"}, {"xyz", "any type"}, {"nounish", "any type"}};
  for (const auto& c : cases) {
    CSearchLexiconDlg picker;
    picker.m_pLexicon = &Lex();
    picker.m_strTypeToSelect = c.text;
    OnNextModal([&](QWidget* w) {
      if (auto* dlg = ModalAs<CSearchLexiconDlg>(w)) {
        EXPECT_EQ(dlg->m_comboType->currentText(), c.type) << c.text;
      }
    });
    picker.exec();
  }
}
