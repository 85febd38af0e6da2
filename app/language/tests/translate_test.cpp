// The translate window through its buttons: rows and their order, the
// not-found row, the Word Info window beside it, the Errors and Find in Canon
// buttons, TranslateText and TranslateToLines.
#include "langtestutil.h"
#include "translatedlg.h"
#include "wordinfodlg.h"

namespace {

class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_owner.resize(100, 100);
    m_dlg = new CTranslateDlg(&m_owner, &m_lex);
  }
  void Translate(const QString& input) {
    m_dlg->findChild<QComboBox*>("input")->setEditText(input);
    m_dlg->findChild<QPushButton*>("translate")->click();
  }
  QStringList Rows() const {
    QStringList rows;
    for (int i = 0; i < m_dlg->m_listResults->topLevelItemCount(); ++i) {
      const QTreeWidgetItem* item = m_dlg->m_listResults->topLevelItem(i);
      rows << QStringList{item->text(0), item->text(1), item->text(2), item->text(3)}.join(" | ");
    }
    return rows;
  }
  void SelectRow(int row) {
    m_dlg->m_listResults->setCurrentItem(m_dlg->m_listResults->topLevelItem(row));
  }
  QPushButton* Button(const char* name) const { return m_dlg->findChild<QPushButton*>(name); }

  CKLex m_lex = SmallLexicon();
  QWidget m_owner;
  CTranslateDlg* m_dlg;  // owned by m_owner
};

}  // namespace

TEST_F(TranslateTest, RowsPerReading) {
  struct Row {
    const char* input;
    QStringList rows;
  } rows[] = {
      {"yaj", {"V | yaj | " + QString(kYaj) + " | yaj"}},
      // Rows of several words sort by key, ignoring case.
      {"  yaj Duj  ", {"N | Duj | ship | Duj", "V | yaj | " + QString(kYaj) + " | yaj"}},
      // A not-found row goes first; two blanks give an empty word.
      {"yaj  xyzzy",
       {"X | xyzzy | ***not found*** | none", "X |  | ***not found*** | none",
        "V | yaj | " + QString(kYaj) + " | yaj"}},
      {"   ", {"X |  | ***not found*** | none"}},
      // A reading with a problem carries its note, formatted the same in every locale.
      {"ej", {"CONJ | 'ej | and (1 errors 0.91) | 'ej"}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.input);
    Translate(r.input);
    EXPECT_EQ(Rows(), r.rows);
    EXPECT_EQ(m_dlg->findChild<QComboBox*>("input")->currentText(), "");
  }
  // The drop-down keeps every input, in order.
  QComboBox* combo = m_dlg->findChild<QComboBox*>("input");
  ASSERT_EQ(combo->count(), 5);
  EXPECT_EQ(combo->itemText(0), "yaj");
  EXPECT_EQ(combo->itemText(4), "ej");
  EXPECT_EQ(m_dlg->m_listResults->columnWidth(CTranslateDlg::kColTranslation), 200);
  EXPECT_TRUE(m_dlg->m_listResults->isColumnHidden(CTranslateDlg::kColKey));
}

TEST_F(TranslateTest, TranslateTextTranslatesWhatItIsGiven) {
  m_owner.show();
  m_dlg->TranslateText("tlhIngan yaj");
  EXPECT_TRUE(m_dlg->isVisible());
  EXPECT_EQ(Rows(), QStringList({"N | tlhIngan | Klingon | tlhIngan", "V | yaj | " + QString(kYaj) + " | yaj"}));
  QStringList lines;
  m_dlg->TranslateToLines("ej  Duj", lines);
  EXPECT_EQ(lines, QStringList({"'ej: CONJ: and (1 errors 0.91)", ": X: ***not found***",
                                "Duj: N: ship"}));
  // The lines of a selection split at its line ends too.
  lines.clear();
  m_dlg->TranslateToLines("Duj\r\nDuj\nDuj\t", lines);
  EXPECT_EQ(lines, QStringList({"Duj: N: ship", "Duj: N: ship", "Duj: N: ship"}));
}

TEST_F(TranslateTest, ButtonsFollowTheSelectedRow) {
  m_owner.show();
  m_dlg->show();
  Translate("ej Duj xyzzy");
  const QStringList rows = Rows();
  ASSERT_EQ(rows.size(), 3);
  // The not-found row of the last word first, then the others by key.
  ASSERT_TRUE(rows[0].startsWith("X | xyzzy"));
  ASSERT_TRUE(rows[1].startsWith("CONJ | 'ej"));
  EXPECT_FALSE(Button("errors")->isEnabled());
  SelectRow(2);
  EXPECT_FALSE(Button("errors")->isEnabled());
  SelectRow(1);
  EXPECT_TRUE(Button("errors")->isEnabled());
  // Find in Canon waits for the canon search.
  EXPECT_FALSE(Button("findInCanon")->isEnabled());

  // Errors opens the error list with each message and two line ends.
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* list = qobject_cast<CErrorListDlg*>(QApplication::activeModalWidget());
    if (!list) return;
    shown = list->findChild<QPlainTextEdit*>("errorText")->toPlainText();
    list->accept();
  });
  Button("errors")->click();
  EXPECT_EQ(shown, "Spelling or case.\n\n");
  EXPECT_EQ(CErrorListDlg::ErrorText({"a", "b"}), "a\r\n\r\nb\r\n\r\n");

  // A row's result is its own: a new translation leaves nothing behind to read.
  Translate("yaj");
  SelectRow(0);
  EXPECT_FALSE(Button("errors")->isEnabled());
  EXPECT_EQ(CTranslateDlg::ResultOf(m_dlg->m_listResults->topLevelItem(0))->m_strKey, "yaj");

  QString searched;
  CTranslateDlg::SetCanonSearch([&](QWidget*, const QString& word) { searched = word; });
  Translate("Duj");
  SelectRow(0);
  EXPECT_TRUE(Button("findInCanon")->isEnabled());
  Button("findInCanon")->click();
  EXPECT_EQ(searched, "Duj");
  CTranslateDlg::SetCanonSearch({});
}

TEST_F(TranslateTest, WordInfoBesideTheWindow) {
  m_owner.show();
  m_dlg->show();
  Translate("Duj");
  SelectRow(0);
  CWordInfoDlg* info = m_dlg->m_pInfoDlg;
  EXPECT_EQ(info->m_strLabel, "Annotation");
  EXPECT_EQ(info->m_listSynonyms->count(), 1);
  EXPECT_FALSE(info->isVisible());
  Button("info")->click();
  EXPECT_TRUE(info->isVisible());
  // Done hides both; showing the window again brings Word Info back.
  Button("done")->click();
  EXPECT_FALSE(m_dlg->isVisible());
  EXPECT_FALSE(info->isVisible());
  m_dlg->show();
  EXPECT_TRUE(info->isVisible());
  // A not-found row empties it.
  Translate("xyzzy");
  SelectRow(0);
  EXPECT_EQ(info->m_strLabel, "");
  Button("info")->click();
  EXPECT_FALSE(info->isVisible());
}
