#pragma once
// The user guide inside the program: its contents on the left, the page on
// the right, links followed in place.
#include <QStringList>
#include <QWidget>

class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit CHelpWindow(QWidget* parent = nullptr);

  // Where the guide is looked for, in order: beside the program, then in the
  // data folder `dataDir`.
  static QStringList Candidates(const QString& dataDir);
  // The folder taken for the program's own; empty restores the real one.
  static void SetProgramDir(const QString& dir);
  // Shows `path`; false when it cannot be read.
  bool Open(const QString& path);

  QTextBrowser* Browser() const { return m_pBrowser; }
  QTreeWidget* Contents() const { return m_pContents; }

 private:
  void FillContents();
  void OnContentsItem(QTreeWidgetItem* item);

  QTextBrowser* m_pBrowser;
  QTreeWidget* m_pContents;
};
