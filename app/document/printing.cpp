#include "printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextDocument>
#include <QTextFrame>
#include <memory>

void SetDocumentMargins(QPrinter& printer) {
  printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
}

void PrintDocument(const QTextDocument& doc, QPrinter& printer) {
  SetDocumentMargins(printer);
  // The copy is paginated to the printable area, so print() adds no margins of its own.
  std::unique_ptr<QTextDocument> copy(doc.clone());
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setPageSize(printer.pageRect(QPrinter::DevicePixel).size());
  QTextFrameFormat frame = copy->rootFrame()->frameFormat();
  frame.setMargin(0);
  copy->rootFrame()->setFrameFormat(frame);
  copy->print(&printer);
}
