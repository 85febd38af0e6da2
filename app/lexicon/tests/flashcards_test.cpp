#include "flashcardsdlg.h"
#include "flashcardset.h"
#include "lexicontestenv.h"

namespace {

FlashTypeSet AllTypes() {
  FlashTypeSet types;
  types.fill(true);
  return types;
}

std::string Keys(const CKLex& set) {
  std::string out;
  for (const auto& [key, w] : set) out += (out.empty() ? "" : " ") + key;
  return out;
}

class FlashcardsTest : public LexiconAppTest {
 protected:
  // Opens Flashcards, types `size` into the size box, selects `types` (all
  // when empty) and presses Test; `drill` answers the cards.
  void Drill(const QString& size, const std::function<void(CFlashcardDlg*)>& drill,
             const QList<int>& types = {}) {
    OnNextModal([&](QWidget* w) {
      auto* setup = ModalAs<CFlashcardsDlg>(w);
      if (!setup) return;
      if (!types.isEmpty()) {
        setup->m_listTypes->clearSelection();
        for (int t : types) setup->m_listTypes->item(t)->setSelected(true);
      }
      setup->m_spinSize->lineEdit()->setText(size);
      OnNextModal([&](QWidget* card) {
        if (auto* dlg = ModalAs<CFlashcardDlg>(card)) drill(dlg);
      });
      setup->m_btnTest->click();
    });
    Command("ID_LANGUAGE_FLASHCARDS")->trigger();
  }
  QStringList Words(CFlashcardDlg* dlg) {
    QStringList words;
    while (dlg->m_btnYes->isEnabled() && !dlg->m_editWord->text().isEmpty()) {
      words << dlg->m_editWord->text();
      dlg->m_btnShow->click();
      dlg->m_btnNo->click();
    }
    return words;
  }
};

}  // namespace

// The set: N entries of the chosen types, lowest scores first, the lexicon's
// order among equal scores, never an excluded entry.
TEST(FlashcardSetTest, TakesTheLowestScoresOfTheChosenTypes) {
  CKLex lex;
  auto add = [&](const char* word, int pos, int score, int excluded = 0, int bodyPart = 0,
                 int being = 0) {
    CKWord w;
    w.m_strWord = word;
    w.m_nPos = pos;
    w.m_nScore = score;
    w.m_bExcluded = excluded;
    w.m_bBodyPart = bodyPart;
    w.m_bBeing = being;
    lex.Add(w);
  };
  add("a", kPosNoun, 3);
  add("b", kPosVerb, 1);
  add("c", kPosNoun, 0, 1);
  add("d", kPosNoun, 1, 0, 1, 1);  // counts as body part and as being
  add("e", kPosExcl, 0);
  add("f", kPosVerb, 5);
  struct Case {
    int size;
    std::vector<int> types;  // empty: all
    const char* keys;
  } cases[] = {
      {3, {}, "e b d"},
      {1, {}, "e"},
      {6, {}, "e b d a f"},
      {0, {}, ""},
      {-4, {}, ""},
      {5, {kFlashNounBodyPart, kFlashNounBeing}, "d"},
      {5, {kFlashNounGeneral, kFlashVerbOther}, "b a f"},
  };
  for (const Case& c : cases) {
    FlashTypeSet types = AllTypes();
    if (!c.types.empty()) {
      types.fill(false);
      for (int t : c.types) types[t] = true;
    }
    EXPECT_EQ(Keys(BuildTestSet(lex, types, c.size)), c.keys) << c.size;
  }
}

TEST_F(FlashcardsTest, ScoresOfASessionSurviveSaveAndReload) {
  const CKLex before = Lex();
  QStringList asked;
  Drill("4", [&](CFlashcardDlg* dlg) {
    // Definition, answers and Exclude appear only after Show.
    EXPECT_TRUE(dlg->m_editDefinition->isHidden());
    EXPECT_TRUE(dlg->m_btnYes->isHidden());
    for (int card = 0; card < 4; ++card) {
      asked << dlg->m_editWord->text();
      dlg->m_btnShow->click();
      EXPECT_FALSE(dlg->m_editDefinition->isHidden());
      if (card == 2) dlg->m_checkExclude->click();
      (card % 2 == 0 ? dlg->m_btnYes : dlg->m_btnNo)->click();
    }
    EXPECT_FALSE(dlg->m_btnYes->isEnabled());
    EXPECT_TRUE(dlg->m_editWord->text().isEmpty());
  });
  // Four cards: the score-0 entries in the lexicon's order.
  EXPECT_EQ(asked, QStringList({"yaj", "ghop", "wa'", "chaH"}));
  const CKLex saved = Saved();
  const struct {
    const char* key;
    int score, excluded;
  } expected[] = {{"yaj", 1, 0}, {"ghop", 0, 0}, {"wa'", 1, 1}, {"chaH", 0, 0}, {"Suvwi'", 0, 0},
                  {"maj", 5, 0}};
  for (const auto& e : expected) {
    ASSERT_NE(saved.Lookup(e.key), nullptr) << e.key;
    EXPECT_EQ(saved.Lookup(e.key)->m_nScore, e.score) << e.key;
    EXPECT_EQ(saved.Lookup(e.key)->m_bExcluded, e.excluded) << e.key;
    EXPECT_EQ(*saved.Lookup(e.key), *Lex().Lookup(e.key)) << e.key;
  }
  EXPECT_EQ(saved.GetCount(), before.GetCount());
}

TEST_F(FlashcardsTest, ScoresStayBetweenZeroAndFiveAndExcludedNeverComeBack) {
  QStringList first, second;
  // Only the exclamation, maj at 5: Yes keeps it at 5.
  Drill("5", [&](CFlashcardDlg* dlg) {
    first << dlg->m_editWord->text();
    dlg->m_btnShow->click();
    dlg->m_btnYes->click();
  }, {kFlashExcl});
  EXPECT_EQ(first, QStringList({"maj"}));
  EXPECT_EQ(Lex().Lookup("maj")->m_nScore, 5);
  // Adverbs: DaH is excluded, so the set is empty.
  Drill("5", [&](CFlashcardDlg* dlg) { second = Words(dlg); }, {kFlashAdverb});
  EXPECT_TRUE(second.isEmpty());
  // Excluding and closing without an answer keeps the entry in the drill.
  Drill("1", [&](CFlashcardDlg* dlg) {
    dlg->m_btnShow->click();
    dlg->m_checkExclude->click();
  }, {kFlashNumber});
  EXPECT_EQ(Lex().Lookup("wa'")->m_bExcluded, 0);
  EXPECT_EQ(Lex().Lookup("wa'")->m_nScore, 0);
}

TEST_F(FlashcardsTest, EmptySetStoresNothingAndSizeIsExact) {
  const QByteArray bytes = SavedBytes();
  const size_t count = Lex().GetCount();
  for (const char* size : {"0", "-3"}) {
    Drill(size, [&](CFlashcardDlg* dlg) {
      EXPECT_TRUE(dlg->m_editWord->text().isEmpty());
      EXPECT_FALSE(dlg->m_btnYes->isEnabled());
      EXPECT_FALSE(dlg->m_btnNo->isEnabled());
      EXPECT_TRUE(dlg->m_btnShow->isHidden());
      // Even a forced click finds no card to store.
      dlg->OnYes();
      dlg->OnNo();
      EXPECT_EQ(dlg->m_testSet.GetCount(), 0u);
    });
  }
  EXPECT_EQ(Lex().GetCount(), count);
  EXPECT_EQ(Lex().Lookup(""), nullptr);
  EXPECT_EQ(SavedBytes(), bytes);
  QStringList asked;
  Drill("2", [&](CFlashcardDlg* dlg) { asked = Words(dlg); });
  EXPECT_EQ(asked.size(), 2);
}

TEST_F(FlashcardsTest, SetupRefusesNoTypeAndResetAsksFirst) {
  CMessageLog log({QMessageBox::Ok, QMessageBox::No, QMessageBox::Yes});
  OnNextModal([&](QWidget* w) {
    auto* setup = ModalAs<CFlashcardsDlg>(w);
    if (!setup) return;
    EXPECT_EQ(setup->m_spinSize->value(), 20);
    EXPECT_EQ(setup->m_listTypes->selectedItems().size(), 11);
    // The arrows stay within 10 to 100; typing does not.
    setup->m_spinSize->lineEdit()->setText("100");
    setup->m_spinSize->stepUp();
    EXPECT_EQ(setup->m_spinSize->value(), 100);
    setup->m_spinSize->lineEdit()->setText("5");
    setup->m_spinSize->interpretText();
    EXPECT_EQ(setup->m_spinSize->value(), 5);
    setup->m_listTypes->clearSelection();
    setup->m_btnTest->click();
    setup->m_btnReset->click();
    EXPECT_EQ(Lex().Lookup("maj")->m_nScore, 5);
    setup->m_btnReset->click();
  });
  Command("ID_LANGUAGE_FLASHCARDS")->trigger();
  EXPECT_EQ(log.Texts(), QStringList({"You must select at least one word type.",
                                      "Are you sure?  This clears the scores for ALL WORDS in the lexicon.",
                                      "Are you sure?  This clears the scores for ALL WORDS in the lexicon."}));
  const CKLex saved = Saved();
  for (const CKLex* lex : std::initializer_list<const CKLex*>{&Lex(), &saved})
    for (const auto& [key, w] : *lex) EXPECT_EQ(w.m_nScore, 0) << key;
}
