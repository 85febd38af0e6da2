#pragma once
// The affix reference sheet "Affixes": the noun suffixes, verb prefixes and
// verb suffixes as sortable lists, and the verb prefix chart. The main window
// creates it once, hidden; closing it only hides it.
#include <QDialog>
#include <QWidget>

class QTabWidget;
class QTreeWidget;

// One row of a reference table, column by column.
struct CAffixRow {
  const char* pszColumns[3];
};

// A page holding one reference list. A click on a column header sorts by that
// column: ascending, or the other way when it is the column clicked last.
class CAffixListPage : public QWidget {
  Q_OBJECT
 public:
  struct Column {
    const char* pszTitle;
    int nWidth;
  };
  CAffixListPage(const QList<Column>& columns, const QList<CAffixRow>& rows,
                 QWidget* parent = nullptr);
  QTreeWidget* List() const { return m_list; }
  void OnColumnClick(int column);

 private:
  QTreeWidget* m_list;
  int m_nLastColumn = -1;
  bool m_bAscending = true;
};

class CNSuffPage : public CAffixListPage {
 public:
  explicit CNSuffPage(QWidget* parent = nullptr);
};

class CVPrefPage : public CAffixListPage {
 public:
  explicit CVPrefPage(QWidget* parent = nullptr);
};

class CVSuffPage : public CAffixListPage {
 public:
  explicit CVSuffPage(QWidget* parent = nullptr);
};

class CPrefChartPage : public QWidget {
 public:
  explicit CPrefChartPage(QWidget* parent = nullptr);
};

class CAffixSheet : public QDialog {
  Q_OBJECT
 public:
  enum Page { NounSuffixes = 0, VerbPrefixes = 1, VerbSuffixes = 2, PrefixChart = 3 };
  explicit CAffixSheet(QWidget* owner);
  // Selects the page, then shows the sheet where it was if it is hidden.
  void ShowPage(int page);
  int ActivePage() const;
  QTabWidget* Tabs() const { return m_tabs; }

  CNSuffPage* m_pageNSuff;
  CVPrefPage* m_pageVPref;
  CVSuffPage* m_pageVSuff;
  CPrefChartPage* m_pageChart;

 private:
  QTabWidget* m_tabs;
};
