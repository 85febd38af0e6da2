#include "lexiconeditordlg.h"
#include "lexicontestenv.h"
#include "searchlexicondlg.h"
#include "wordwizard.h"

namespace {

constexpr int kKeyColumn = 3;

class EditorTest : public LexiconAppTest {
 protected:
  // Runs Modify Lexicon with `act` working in the editor.
  void Edit(const std::function<void(CLexiconEditorDlg*)>& act) {
    OnNextModal([&](QWidget* w) {
      if (auto* editor = ModalAs<CLexiconEditorDlg>(w)) {
        m_editor = editor;
        act(editor);
        editor->m_btnDone->click();
      }
    });
    Command("ID_UTILITIES_MODIFYLEXICON")->trigger();
  }
  void Select(const QString& key) {
    QTreeWidget* list = m_editor->m_listWords;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
      if (list->topLevelItem(i)->text(kKeyColumn) == key) return list->setCurrentItem(list->topLevelItem(i));
    ADD_FAILURE() << "no row " << key.toStdString();
  }
  QString SelectedKey() const {
    const auto rows = m_editor->m_listWords->selectedItems();
    return rows.isEmpty() ? QString() : rows.first()->text(kKeyColumn);
  }
  // Presses `button` of the editor with `act` working in the wizard it opens.
  void Wizard(QPushButton* button, const std::function<void(CWordWiz*)>& act) {
    OnNextModal([&](QWidget* w) {
      if (auto* wiz = ModalAs<CWordWiz>(w)) act(wiz);
    });
    button->click();
  }
  // In page 4, picks the entry whose word is `word` through the Add button of `list`.
  void Pick(CWordWiz* wiz, int list, const QString& word, const QString& expectType) {
    OnNextModal([&](QWidget* w) {
      auto* picker = ModalAs<CSearchLexiconDlg>(w);
      if (!picker) return;
      EXPECT_EQ(picker->m_comboType->currentText(), expectType);
      picker->m_comboType->setCurrentText("any type");
      picker->m_comboField->setCurrentText("word");
      picker->m_comboMode->setCurrentText("is");
      picker->m_editFind->setText(word);
      picker->m_btnSearch->click();
      ASSERT_EQ(picker->m_listResults->topLevelItemCount(), 1);
      picker->m_listResults->topLevelItem(0)->setSelected(true);
      picker->m_btnDone->click();
    });
    wiz->m_page4->m_btnAdd[list]->click();
  }
  static void Next(CWordWiz* wiz) { wiz->button(QWizard::NextButton)->click(); }
  static void Finish(CWordWiz* wiz) { wiz->button(QWizard::FinishButton)->click(); }

  CLexiconEditorDlg* m_editor = nullptr;
};

std::string Synonyms(const CKLex& lex, const char* key) {
  const CKWord* w = lex.Lookup(key);
  return w ? Joined(w->m_lstSynonyms) : "(none)";
}
std::string Antonyms(const CKLex& lex, const char* key) {
  const CKWord* w = lex.Lookup(key);
  return w ? Joined(w->m_lstAntonyms) : "(none)";
}

}  // namespace

TEST_F(EditorTest, SynonymBackLinksFollowAnEditAndSurviveSaveAndReload) {
  Edit([&](CLexiconEditorDlg* editor) {
    Select("yaj");
    EXPECT_EQ(editor->windowTitle(), "Lexicon Editor: [yaj]");
    Wizard(editor->m_btnEdit, [&](CWordWiz* wiz) {
      Next(wiz);  // a verb: the verb page
      EXPECT_EQ(wiz->currentPage(), wiz->m_page3);
      Next(wiz);
      // The picker preselects the word's own part of speech.
      Pick(wiz, 0, "Suv", "verb");
      Pick(wiz, 1, "QIp", "verb");
      EXPECT_EQ(wiz->m_page4->m_listSynonyms->topLevelItem(0)->text(1), "Suv (verb), fight");
      Finish(wiz);
    });
    EXPECT_EQ(editor->m_bModified, 1);
  });
  for (const CKLex& lex : {Lex(), Saved()}) {
    EXPECT_EQ(Synonyms(lex, "yaj"), "Suv");
    EXPECT_EQ(Synonyms(lex, "Suv"), "may' yaj");
    EXPECT_EQ(Antonyms(lex, "QIp"), "Dun yaj");
    EXPECT_EQ(Synonyms(lex, "may'"), "Suv");
  }
  // Taking the synonym out again: Suv forgets yaj; the antonym stays.
  Edit([&](CLexiconEditorDlg* editor) {
    Select("yaj");
    Wizard(editor->m_btnEdit, [&](CWordWiz* wiz) {
      Next(wiz);
      Next(wiz);
      wiz->m_page4->m_listSynonyms->topLevelItem(0)->setSelected(true);
      EXPECT_TRUE(wiz->m_page4->m_btnDelete[0]->isEnabled());
      wiz->m_page4->m_btnDelete[0]->click();
      EXPECT_FALSE(wiz->m_page4->m_btnDelete[0]->isEnabled());
      Finish(wiz);
    });
  });
  for (const CKLex& lex : {Lex(), Saved()}) {
    EXPECT_EQ(Synonyms(lex, "yaj"), "");
    EXPECT_EQ(Synonyms(lex, "Suv"), "may'");
    EXPECT_EQ(Antonyms(lex, "QIp"), "Dun yaj");
  }
}

// A re-spelt word whose natural key is taken gets a fresh one; the entry
// under the old spelling stays, and the words it lists point at the new key.
TEST_F(EditorTest, RespeltWordNeverReplacesAnotherEntry) {
  const CKWord yaj = *Lex().Lookup("yaj");
  Edit([&](CLexiconEditorDlg* editor) {
    Select("Suv");
    Wizard(editor->m_btnEdit, [&](CWordWiz* wiz) {
      wiz->m_page1->m_editWord->setText("yaj");
      Next(wiz);
      Next(wiz);
      Finish(wiz);
    });
    EXPECT_EQ(SelectedKey(), "yaj:2");
    EXPECT_EQ(editor->windowTitle(), "Lexicon Editor: [yaj]");
  });
  for (const CKLex& lex : {Lex(), Saved()}) {
    EXPECT_EQ(lex.Lookup("Suv"), nullptr);
    ASSERT_NE(lex.Lookup("yaj:2"), nullptr);
    EXPECT_EQ(lex.Lookup("yaj:2")->m_strDefinition, "fight");
    EXPECT_EQ(*lex.Lookup("yaj"), yaj);
    EXPECT_EQ(Synonyms(lex, "may'"), "yaj:2");
  }
}

TEST_F(EditorTest, NewWordGetsAFreshKeyAndItsLinksAnswered) {
  const CKWord hand = *Lex().Lookup("ghop");
  Edit([&](CLexiconEditorDlg* editor) {
    Wizard(editor->m_btnNew, [&](CWordWiz* wiz) {
      EXPECT_EQ(wiz->windowTitle(), "New Word Wizard");
      // Next only with both the word and the definition.
      QAbstractButton* next = wiz->button(QWizard::NextButton);
      EXPECT_FALSE(next->isEnabled());
      wiz->m_page1->m_editWord->setText("ghop");
      EXPECT_FALSE(next->isEnabled());
      wiz->m_page1->m_editDefinition->setText("paw");
      EXPECT_TRUE(next->isEnabled());
      Next(wiz);  // noun page
      wiz->m_page2->m_groupType->button(1)->click();
      Next(wiz);
      Pick(wiz, 0, "ghop", "noun");
      Finish(wiz);
    });
    EXPECT_EQ(SelectedKey(), "ghop:2");
  });
  for (const CKLex& lex : {Lex(), Saved()}) {
    EXPECT_EQ(*lex.Lookup("ghop"), [&] {
      CKWord w = hand;
      w.m_lstSynonyms = {"ghop:2"};
      return w;
    }());
    ASSERT_NE(lex.Lookup("ghop:2"), nullptr);
    EXPECT_EQ(lex.Lookup("ghop:2")->m_bBodyPart, 1);
    EXPECT_EQ(Synonyms(lex, "ghop:2"), "ghop");
  }
}

TEST_F(EditorTest, DeleteAsksAndTakesTheKeyOutOfEveryList) {
  CMessageLog log({QMessageBox::No, QMessageBox::Yes});
  Edit([&](CLexiconEditorDlg* editor) {
    Select("Dun");
    editor->m_btnDelete->click();
    EXPECT_NE(Lex().Lookup("Dun"), nullptr);
    editor->m_btnDelete->click();
    // The next row takes the selection.
    EXPECT_EQ(SelectedKey(), "ghop");
    EXPECT_EQ(editor->windowTitle(), "Lexicon Editor: [ghop]");
  });
  EXPECT_EQ(log.Texts(), QStringList({"Delete {Dun}?", "Delete {Dun}?"}));
  for (const CKLex& lex : {Lex(), Saved()}) {
    EXPECT_EQ(lex.Lookup("Dun"), nullptr);
    EXPECT_EQ(Antonyms(lex, "QIp"), "");
  }
}

// Browsing fills the notes box without changing anything; with no row the
// box is empty and cannot be typed into.
TEST_F(EditorTest, NotesBoxFollowsTheSelectionAndOnlyTypingModifies) {
  const QByteArray bytes = SavedBytes();
  Edit([&](CLexiconEditorDlg* editor) {
    EXPECT_EQ(SelectedKey(), "");
    EXPECT_FALSE(editor->m_editNotes->isEnabled());
    EXPECT_TRUE(editor->m_editNotes->toPlainText().isEmpty());
    EXPECT_FALSE(editor->m_btnEdit->isEnabled());
    Select("tlhIngan");
    EXPECT_TRUE(editor->m_editNotes->isEnabled());
    EXPECT_EQ(editor->m_editNotes->toPlainText(), "a person of the empire");
    EXPECT_TRUE(editor->m_btnEdit->isEnabled());
    Select("yaj");
    EXPECT_EQ(editor->m_editNotes->toPlainText(), "");
    Select("tlhIngan");
    EXPECT_EQ(editor->m_bModified, 0);
  });
  EXPECT_EQ(SavedBytes(), bytes);
  Edit([&](CLexiconEditorDlg* editor) {
    Select("yaj");
    editor->m_editNotes->setFocus();
    QTest::keyClicks(editor->m_editNotes, "also: know");
    EXPECT_EQ(editor->m_bModified, 1);
    EXPECT_EQ(Lex().Lookup("yaj")->m_strNotes, "also: know");
  });
  EXPECT_EQ(Saved().Lookup("yaj")->m_strNotes, "also: know");
}

TEST_F(EditorTest, WizardVisitsThePagesOfThePartOfSpeech) {
  Edit([&](CLexiconEditorDlg* editor) {
    // An irregular noun: its form box is ready on arrival.
    Select("ngop");
    Wizard(editor->m_btnEdit, [&](CWordWiz* wiz) {
      EXPECT_EQ(wiz->windowTitle(), "Edit WordWizard");
      Next(wiz);
      CWWizPage2* page = wiz->m_page2;
      EXPECT_TRUE(page->m_checkIrregular->isChecked());
      EXPECT_TRUE(page->m_editIrregularForm->isEnabled());
      EXPECT_EQ(page->m_editIrregularForm->text(), "ngop'a'");
      page->m_checkIrregular->click();
      EXPECT_FALSE(page->m_editIrregularForm->isEnabled());
      Next(wiz);
      Finish(wiz);
    });
    // A pronoun goes through the noun page; an adverb straight to the last
    // page and back to the first.
    Select("jIH");
    Wizard(editor->m_btnEdit, [&](CWordWiz* wiz) {
      Next(wiz);
      EXPECT_EQ(wiz->currentPage(), wiz->m_page2);
      wiz->button(QWizard::BackButton)->click();
      wiz->m_page1->m_listPos->setCurrentRow(kPosAdverb);
      Next(wiz);
      EXPECT_EQ(wiz->currentPage(), wiz->m_page4);
      wiz->button(QWizard::BackButton)->click();
      EXPECT_EQ(wiz->currentPage(), wiz->m_page1);
      EXPECT_EQ(wiz->m_page1->m_listPos->currentItem()->text(), "adverb");
      wiz->reject();
    });
  });
  EXPECT_EQ(Lex().Lookup("ngop")->m_bIrregular, 0);
  EXPECT_EQ(Lex().Lookup("ngop")->m_strIrregularForm, "");
  EXPECT_EQ(Lex().Lookup("jIH")->m_nPos, kPosPronoun);
}

// The links rule by itself: one-sided links keep the old key.
TEST_F(EditorTest, UpdateLinksLeavesOneSidedLinksAlone) {
  CLexiconEditorDlg editor;
  editor.m_pLexicon = &Lex();
  CKWord before = *Lex().Lookup("tlhIngan");
  CKWord extra = *Lex().Lookup("Suvwi'");
  extra.m_lstSynonyms = {"tlhIngan"};  // Suvwi' lists tlhIngan, not the reverse
  Lex().SetAt("Suvwi'", extra);
  CKWord after = before;
  after.m_strWord = "tlhIngan2";
  after.m_lstSynonyms = {"Suv"};
  Lex().RemoveKey("tlhIngan");
  const std::string key = Lex().Add(after);
  editor.UpdateLinks(key, after, "tlhIngan", before);
  EXPECT_EQ(Synonyms(Lex(), "Suv"), "may' tlhIngan2");
  EXPECT_EQ(Synonyms(Lex(), "Suvwi'"), "tlhIngan");
}
