#pragma once
// The report-style lists of the course windows: columns with headers, grid
// lines, whole rows selected one at a time, nothing edited in place.
#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

namespace courseui {

inline QTableWidget* NewReportList(const QStringList& headers, const QList<int>& widths,
                                   QWidget* parent) {
  auto* list = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  list->setHorizontalHeaderLabels(headers);
  for (int i = 0; i < widths.size(); ++i) list->setColumnWidth(i, widths[i]);
  list->horizontalHeader()->setStretchLastSection(true);
  list->verticalHeader()->hide();
  list->setShowGrid(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return list;
}

inline void SetCell(QTableWidget* list, int row, int column, const QString& text) {
  if (QTableWidgetItem* item = list->item(row, column))
    item->setText(text);
  else
    list->setItem(row, column, new QTableWidgetItem(text));
}

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

}  // namespace courseui
