#include "sortclass.h"
#include "testenv.h"

namespace {

QTreeWidget* MakeList(QWidget* parent, const QStringList& texts) {
  auto* list = new QTreeWidget(parent);
  list->setColumnCount(2);
  list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  for (int i = 0; i < texts.size(); ++i)
    new QTreeWidgetItem(list, {QString::number(i), texts[i]});
  return list;
}

QList<int> Order(const QTreeWidget* list) {
  QList<int> order;
  for (int i = 0; i < list->topLevelItemCount(); ++i) order << list->topLevelItem(i)->text(0).toInt();
  return order;
}

}  // namespace

TEST(SortClassTest, SortsEachFixtureRow) {
  const auto rows = FixtureRows(VEK_APP_FIXTURES "/sortclass.txt");
  ASSERT_GE(rows.size(), 10);
  QWidget parent;
  for (const QStringList& row : rows) {
    ASSERT_EQ(row.size(), 4) << row.join('|').toStdString();
    QTreeWidget* list = MakeList(&parent, row[2].split(';'));
    CSortClass(list, 1).Sort(row[1] == "1", row[0].toInt());
    EXPECT_EQ(Order(list), Numbers(row[3])) << row.join(" | ").toStdString();
  }
}

TEST(SortClassTest, KeepsSelectionAndCurrentRowWithoutSignals) {
  QWidget parent;
  QTreeWidget* list = MakeList(&parent, {"c", "a", "d", "b"});
  list->setCurrentItem(list->topLevelItem(2));
  list->topLevelItem(0)->setSelected(true);
  QSignalSpy changed(list, &QTreeWidget::itemSelectionChanged);
  CSortClass(list, 1).Sort(true, CSortClass::Text);
  EXPECT_EQ(Order(list), QList<int>({1, 3, 0, 2}));
  EXPECT_EQ(list->currentItem()->text(1), "d");
  QStringList selected;
  for (auto* item : list->selectedItems()) selected << item->text(1);
  selected.sort();
  EXPECT_EQ(selected, QStringList({"c", "d"}));
  EXPECT_EQ(changed.count(), 0);
}

TEST(SortClassTest, CompareNoCaseFoldsAsciiOnly) {
  EXPECT_EQ(CSortClass::CompareNoCase("QaH", "qah"), 0);
  EXPECT_LT(CSortClass::CompareNoCase("'a'", "a"), 0);
  EXPECT_GT(CSortClass::CompareNoCase("é", "É"), 0);
  EXPECT_LT(CSortClass::CompareNoCase("word", "word:2"), 0);
}
