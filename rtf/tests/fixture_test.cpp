#include <gtest/gtest.h>

#include <optional>

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"
#include "rtf_test_util.h"

// fixtures/reader.txt: small inputs with the text, formatting and damage they must read as.
TEST(RtfFixtures, ReaderCases) {
  QList<QByteArray> lines = rtftest::Fixture("reader.txt").split('\n');
  lines.append("==");
  int records = 0;
  QByteArray name, rtf;
  std::optional<QByteArray> text, desc;
  std::optional<bool> damaged;
  bool fromFile = false;
  for (const QByteArray& line : lines) {
    const qsizetype space = line.indexOf(' ');
    const QByteArray key = space < 0 ? line : line.left(space);
    const QByteArray value = space < 0 ? QByteArray() : QByteArray::fromPercentEncoding(line.mid(space + 1));
    if (key == "==") {
      if (!name.isEmpty()) {
        SCOPED_TRACE(name.toStdString());
        QTextDocument doc;
        const auto r = rtf::ReadRtf(rtf, doc);
        if (text) { EXPECT_EQ(rtftest::Text(doc), QString::fromUtf8(*text)); }
        if (desc) { EXPECT_EQ(rtftest::Describe(doc), desc->toStdString()); }
        if (damaged) { EXPECT_EQ(r.bDamaged, *damaged); }
        EXPECT_TRUE(r.bRtf && (text || desc));
        if (fromFile) {  // our own writer keeps all of a file, whose fonts are all set
          QTextDocument back;
          rtf::ReadRtf(rtf::WriteRtf(doc), back);
          EXPECT_EQ(rtftest::Describe(back), rtftest::Describe(doc));
        }
        ++records;
      }
      name = line.mid(3);
      rtf.clear();
      text.reset();
      desc.reset();
      damaged.reset();
      fromFile = false;
    } else if (key == "rtf") {
      rtf += (rtf.isEmpty() ? "" : "\n") + value;
    } else if (key == "file") {
      rtf = rtftest::Fixture(value.constData());
      fromFile = true;
    } else if (key == "descfile") {
      desc = rtftest::Fixture(value.constData());
    } else if (key == "text") {
      text = text ? *text + "\n" + value : value;
    } else if (key == "desc") {
      desc = desc.value_or("") + value + "\n";
    } else if (key == "damaged") {
      damaged = value == "yes";
    } else if (!key.isEmpty() && !key.startsWith('#')) {
      ADD_FAILURE() << "unknown line " << line.toStdString();
    }
  }
  EXPECT_EQ(records, 25);
}
