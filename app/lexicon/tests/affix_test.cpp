#include "affixsheet.h"
#include "lexicontestenv.h"

namespace {

class AffixTest : public LexiconAppTest {
 protected:
  CAffixSheet* Sheet() { return m_frame->findChild<CAffixSheet*>(); }
  static QStringList Column(const CAffixListPage* page, int column) {
    QStringList texts;
    for (int i = 0; i < page->List()->topLevelItemCount(); ++i)
      texts << page->List()->topLevelItem(i)->text(column);
    return texts;
  }
};

}  // namespace

TEST_F(AffixTest, CommandsShowTheirPagesAndClosingOnlyHides) {
  CAffixSheet* sheet = Sheet();
  ASSERT_NE(sheet, nullptr);
  EXPECT_FALSE(sheet->isVisible());
  const char* const commands[] = {"ID_HELP_NOUNSUFFIXES", "ID_HELP_VERBPREFIXES",
                                  "ID_HELP_VERBSUFFIXES", "ID_HELP_VERBPREFIXCHART"};
  const char* const keys[] = {"Ctrl+1", "Ctrl+2", "Ctrl+3", "Ctrl+4"};
  const char* const titles[] = {"Noun Suffixes", "Verb Prefixes", "Verb Suffixes", "Prefix Chart"};
  for (int page = 0; page < 4; ++page) {
    EXPECT_EQ(Command(commands[page])->shortcut(), QKeySequence(keys[page]));
    Command(commands[page])->trigger();
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), "Affixes");
    EXPECT_EQ(sheet->ActivePage(), page);
    EXPECT_EQ(sheet->Tabs()->tabText(page), titles[page]);
  }
  sheet->move(200, 150);
  const QPoint where = sheet->pos();
  Command("ID_HELP_NOUNSUFFIXES")->trigger();
  EXPECT_EQ(sheet->pos(), where);
  sheet->close();
  EXPECT_FALSE(sheet->isVisible());
  EXPECT_EQ(m_frame->findChild<CAffixSheet*>(), sheet);
}

TEST_F(AffixTest, ListsHoldTheTablesSortedByTheirFirstColumn) {
  CAffixSheet* sheet = Sheet();
  ASSERT_NE(sheet, nullptr);
  EXPECT_EQ(Column(sheet->m_pageNSuff, 0).size(), 26);
  EXPECT_EQ(Column(sheet->m_pageVPref, 0).size(), 28);
  EXPECT_EQ(Column(sheet->m_pageVSuff, 0).size(), 36);
  // Apostrophes first, ASCII case ignored, table order among equals.
  EXPECT_EQ(Column(sheet->m_pageVSuff, 0).mid(0, 6),
            QStringList({"'a'", "'egh", "ba'", "be'", "beH", "bej"}));
  EXPECT_EQ(Column(sheet->m_pageVPref, 0).mid(0, 6),
            QStringList({"bI", "bo", "che", "cho", "Da", "DI"}));
  const QStringList headers = {"Suffix", "Type", "Meaning"};
  for (int c = 0; c < 3; ++c)
    EXPECT_EQ(sheet->m_pageNSuff->List()->headerItem()->text(c), headers[c]);
}

// A header click sorts ascending, a second click on it descending; each page
// keeps its order while hidden.
TEST_F(AffixTest, HeaderClicksSortAndFlip) {
  CAffixSheet* sheet = Sheet();
  ASSERT_NE(sheet, nullptr);
  CAffixListPage* page = sheet->m_pageVSuff;
  Command("ID_HELP_VERBSUFFIXES")->trigger();
  const QStringList ascending = Column(page, 0);
  page->OnColumnClick(0);
  EXPECT_EQ(Column(page, 0), ascending);
  page->OnColumnClick(0);
  QStringList reversed = ascending;
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(Column(page, 0), reversed);
  // Type as text: the digits, then "Rover"; ties keep the order they had.
  page->OnColumnClick(1);
  const QStringList types = Column(page, 1);
  EXPECT_EQ(types.first(), "1");
  EXPECT_EQ(types.mid(32), QStringList({"Rover", "Rover", "Rover", "Rover"}));
  EXPECT_EQ(Column(page, 0).mid(32), QStringList({"qu'", "Qo'", "Ha'", "be'"}));
  sheet->close();
  Command("ID_HELP_VERBSUFFIXES")->trigger();
  EXPECT_EQ(Column(page, 1), types);
  // The page's own header clicks drive the same sort.
  QTest::mouseClick(page->List()->header()->viewport(), Qt::LeftButton, {},
                    QPoint(page->List()->header()->sectionPosition(1) + 5, 5));
  EXPECT_EQ(Column(page, 1).first(), "Rover");
}
