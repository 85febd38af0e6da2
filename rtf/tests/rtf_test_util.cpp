#include "rtf_test_util.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>

#include "rtf/rtfreader.h"

namespace rtftest {

QString Text(const QTextDocument& doc) {
  QString out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b != doc.begin()) out += '\n';
    out += b.text();
  }
  return out;
}

std::string Describe(const QTextDocument& doc) {
  std::string out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    const Qt::Alignment a = b.blockFormat().alignment();
    if (a & Qt::AlignHCenter) out += "<centre>";
    if (a & Qt::AlignRight) out += "<right>";
    if (a & Qt::AlignJustify) out += "<justify>";
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat c = f.charFormat();
      QString d = "[" + c.fontFamilies().toStringList().value(0) + " " + QString::number(c.fontPointSize());
      if (c.fontWeight() >= QFont::DemiBold) d += " b";
      if (c.fontItalic()) d += " i";
      if (c.underlineStyle() != QTextCharFormat::NoUnderline) d += " u" + QString::number(c.underlineStyle());
      if (c.fontStrikeOut()) d += " s";
      if (c.hasProperty(QTextFormat::ForegroundBrush)) d += " " + c.foreground().color().name();
      if (c.hasProperty(QTextFormat::BackgroundBrush)) d += " bg" + c.background().color().name();
      if (c.verticalAlignment() == QTextCharFormat::AlignSuperScript) d += " sup";
      if (c.verticalAlignment() == QTextCharFormat::AlignSubScript) d += " sub";
      d += "]\"" + f.text() + "\"";
      out += d.toStdString();
    }
    out += "\n";
  }
  return out;
}

QTextCharFormat FormatOf(const QTextDocument& doc, const QString& needle) {
  const QTextCursor found = doc.find(needle, 0, QTextDocument::FindCaseSensitively);
  if (found.isNull()) return {};
  QTextCursor c(const_cast<QTextDocument*>(&doc));
  c.setPosition(found.selectionStart() + 1);
  return c.charFormat();
}

std::unique_ptr<QTextDocument> Read(const QByteArray& rtf) {
  auto doc = std::make_unique<QTextDocument>();
  rtf::ReadRtf(rtf, *doc);
  return doc;
}

QByteArray Fixture(const char* name) {
  QFile f(QStringLiteral(RTF_FIXTURES "/") + QString::fromUtf8(name));
  if (!f.open(QIODevice::ReadOnly)) ADD_FAILURE() << "missing fixture " << name;
  return f.readAll();
}

}  // namespace rtftest

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Test discovery runs this program without the tests' environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts and formats need the GUI side of Qt
  return RUN_ALL_TESTS();
}
