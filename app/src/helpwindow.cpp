#include "helpwindow.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>

#include "icons.h"

CHelpWindow::CHelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("helpWindow");
  setWindowTitle("Vekmor Help");
  setWindowIcon(AppIcon());
  m_pContents = new QTreeWidget;
  m_pContents->setObjectName("helpContents");
  m_pContents->setHeaderHidden(true);
  m_pContents->setRootIsDecorated(false);
  m_pBrowser = new QTextBrowser;
  m_pBrowser->setObjectName("helpBrowser");
  // Pages of the guide open here; addresses on the web go to the browser.
  m_pBrowser->setOpenLinks(false);
  connect(m_pBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.isRelative() || url.isLocalFile())
      m_pBrowser->setSource(m_pBrowser->source().resolved(url));
    else
      QDesktopServices::openUrl(url);
  });
  connect(m_pBrowser, &QTextBrowser::sourceChanged, this, &CHelpWindow::FillContents);
  connect(m_pContents, &QTreeWidget::itemActivated, this, &CHelpWindow::OnContentsItem);
  connect(m_pContents, &QTreeWidget::itemClicked, this, &CHelpWindow::OnContentsItem);
  auto* splitter = new QSplitter;
  splitter->addWidget(m_pContents);
  splitter->addWidget(m_pBrowser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({220, 640});
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(splitter);
  resize(900, 640);
}

namespace {

QString& ProgramDirRef() {
  static QString dir;
  return dir;
}

}  // namespace

void CHelpWindow::SetProgramDir(const QString& dir) { ProgramDirRef() = dir; }

QStringList CHelpWindow::Candidates(const QString& dataDir) {
  const QString programDir =
      ProgramDirRef().isEmpty() ? QCoreApplication::applicationDirPath() : ProgramDirRef();
  QStringList paths{QDir(programDir).filePath("vek.html")};
  const QString inData = QDir(dataDir).filePath("vek.html");
  if (QFileInfo(inData).absoluteFilePath() != QFileInfo(paths[0]).absoluteFilePath())
    paths << inData;
  return paths;
}

bool CHelpWindow::Open(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || !info.isReadable()) return false;
  m_pBrowser->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
  return !m_pBrowser->document()->isEmpty();
}

void CHelpWindow::FillContents() {
  m_pContents->clear();
  // The headings of the page, second level under first.
  QTreeWidgetItem* top = nullptr;
  for (QTextBlock block = m_pBrowser->document()->begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    const QString text = block.text().trimmed();
    if (level < 1 || level > 2 || text.isEmpty()) continue;
    auto* item = level == 1 || !top ? new QTreeWidgetItem(m_pContents) : new QTreeWidgetItem(top);
    item->setText(0, text);
    item->setData(0, Qt::UserRole, block.position());
    if (level == 1) top = item;
  }
  m_pContents->expandAll();
  setWindowTitle(m_pBrowser->documentTitle().isEmpty() ? QString("Vekmor Help")
                                                       : m_pBrowser->documentTitle());
}

void CHelpWindow::OnContentsItem(QTreeWidgetItem* item) {
  QTextCursor cursor(m_pBrowser->document());
  cursor.setPosition(item->data(0, Qt::UserRole).toInt());
  m_pBrowser->setTextCursor(cursor);
  // The heading at the top of the page, not merely somewhere in view.
  const QRect at = m_pBrowser->cursorRect(cursor);
  m_pBrowser->verticalScrollBar()->setValue(m_pBrowser->verticalScrollBar()->value() + at.top());
}
