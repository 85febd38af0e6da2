// The Word Info window: the lines of each kind of entry in both modes, and
// synonym keys that have left the lexicon.
#include "testenv.h"
#include "wordinfodlg.h"

namespace {

CKWord Entry(const char* word, int32_t pos) {
  CKWord w;
  w.m_strWord = word;
  w.m_nPos = pos;
  return w;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

struct Case {
  const char* name;
  CKWord entry;
  // label | type | plural | irregular
  QStringList detailLines;
};

}  // namespace

TEST(WordInfo, DetailLinesForEachKindOfEntry) {
  auto noun = [](int being, int body, int plural, int irregular, const char* form) {
    CKWord w = Entry("x", kPosNoun);
    w.m_bBeing = being;
    w.m_bBodyPart = body;
    w.m_bInherentPlural = plural;
    w.m_bIrregular = irregular;
    w.m_strIrregularForm = form;
    return w;
  };
  CKWord stative = Entry("Dun", kPosVerb);
  stative.m_bStative = 1;
  const Case cases[] = {
      {"general noun", noun(0, 0, 0, 0, ""), {"Word Type: noun", "General Noun", "", ""}},
      {"body part wins over being", noun(1, 1, 0, 0, ""), {"Word Type: noun", "Body Part", "", ""}},
      {"being", noun(1, 0, 0, 0, ""), {"Word Type: noun", "Being capable of Language", "", ""}},
      {"plural with irregular form", noun(0, 0, 1, 1, "ngop"),
       {"Word Type: noun", "General Noun", "Inherent Plural", "Irregular singular form: ngop"}},
      {"irregular plural without form", noun(0, 0, 0, 1, ""),
       {"Word Type: noun", "General Noun", "", "Irregular plural form"}},
      {"stative verb", stative, {"Word Type: verb", "Stative Verb", "", ""}},
      {"plain verb", Entry("Qong", kPosVerb), {"Word Type: verb", "", "", ""}},
      {"adverb", Entry("DaH", kPosAdverb), {"Word Type: adverb", "", "", ""}},
  };
  CKLex lexicon;
  CWordInfoDlg dlg(nullptr, &lexicon);
  dlg.m_bDetails = 1;
  dlg.Create();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dlg.Fill(c.entry);
    EXPECT_EQ(QStringList({dlg.m_strLabel, dlg.m_strTypeLine, dlg.m_strPluralLine,
                           dlg.m_strIrregularLine}),
              c.detailLines);
    EXPECT_EQ(dlg.findChild<QLabel*>("typeLine")->text(), c.detailLines[1]);
    EXPECT_EQ(dlg.findChild<QLabel*>("irregularLine")->text(), c.detailLines[3]);
  }
}

TEST(WordInfo, NotesModeShowsNotesAndKnownSynonymsOnly) {
  CKLex lexicon;
  const std::string quv = lexicon.Add(Entry("quv", kPosNoun));
  const std::string tuH = lexicon.Add(Entry("tuH", kPosVerb));
  CKWord entry = Entry("batlh", kPosNoun);
  entry.m_bBodyPart = 1;
  entry.m_strNotes = "with honour";
  entry.m_lstSynonyms = {quv, "gone:2"};
  entry.m_lstAntonyms = {tuH};

  QWidget owner;
  CWordInfoDlg dlg(&owner, &lexicon);
  dlg.Create();
  dlg.Fill(entry);
  EXPECT_EQ(dlg.m_strLabel, "Annotation");
  EXPECT_EQ(dlg.m_strTypeLine, "");
  EXPECT_EQ(dlg.findChild<QPlainTextEdit*>("notes")->toPlainText(), "with honour");
  EXPECT_FALSE(dlg.findChild<QLabel*>("typeLine")->isVisibleTo(&dlg));
  EXPECT_EQ(Items(dlg.m_listSynonyms), QStringList{"quv"});
  EXPECT_EQ(Items(dlg.m_listAntonyms), QStringList{"tuH"});

  dlg.Clear();
  EXPECT_EQ(dlg.findChild<QLabel*>("label")->text(), "");
  EXPECT_EQ(dlg.m_listSynonyms->count(), 0);

  // With an owner, closing only hides the window.
  dlg.show();
  dlg.reject();
  EXPECT_FALSE(dlg.isVisible());
  EXPECT_EQ(dlg.result(), 0);
}
