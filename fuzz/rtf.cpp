// The RTF reader: any bytes give a document without crashing or hanging, and
// what the writer makes of that document reads again to the same text (less
// the control characters, which RTF has no way to carry).
#include <QGuiApplication>
#include <QTextDocument>
#include <cstdlib>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

namespace {
QString Carried(QString text) {
  text.removeIf([](QChar c) {
    return (c < QChar(0x20) && c != QChar('\t') && c != QChar('\n')) || c == QChar(0x7F) ||
           c == QChar::ObjectReplacementCharacter;
  });
  return text;
}
}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QTextDocument doc;
  rtf::ReadRtf(QByteArrayView(data, static_cast<qsizetype>(size)), doc);
  const QByteArray written = rtf::WriteRtf(doc);
  QTextDocument again;
  rtf::ReadRtf(written, again);
  if (Carried(again.toPlainText()) != Carried(doc.toPlainText())) abort();
  return 0;
}
