#include "childframe.h"

#include <QPlainTextEdit>

CChildFrame::CChildFrame(const QString& title, QWidget* view, QWidget* parent)
    : QMdiSubWindow(parent) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWidget(view);
  setWindowTitle(title);
}

QWidget* CreateDocumentView(QWidget* parent) {
  auto* editor = new QPlainTextEdit(parent);
  editor->setObjectName("documentView");
  QFont font = editor->font();
  font.setPointSize(11);
  editor->setFont(font);
  return editor;
}
