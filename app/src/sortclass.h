#pragma once
// Sorts the rows of a report list by the text of one column.
//
// The sort is stable: rows whose keys compare equal keep their order, in both
// directions. Text compares the UTF-8 bytes and ignores the case of ASCII
// letters only, as C's strcasecmp does in the C locale, so apostrophes and
// non-ASCII letters keep their byte order (the affix tables rely on that).
// Selection and the current row survive the sort.
#include <QString>

class QTreeWidget;

class CSortClass {
 public:
  enum Type { Integer = 1, Text = 2, DateTime = 3, Decimal = 4 };

  CSortClass(QTreeWidget* list, int column);
  void Sort(bool ascending, int type);

  // Text order of the sorter: < 0, 0 or > 0.
  static int CompareNoCase(const QString& a, const QString& b);

 private:
  QTreeWidget* m_list;
  int m_column;
};
