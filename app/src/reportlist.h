#pragma once
// Report-style lists: one row per item, no tree decoration, grid lines, the
// whole row selected.
class QTreeWidget;

void SetReportListStyle(QTreeWidget* list);
