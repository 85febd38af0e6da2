#include "plaintext.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "wordbank/textcodec.h"

namespace {

// A NUL among the first bytes marks a file that is not text.
constexpr qsizetype kSniffBytes = 8192;

QString LineEndOf(const QString& raw) {
  const qsizetype cr = raw.indexOf('\r');
  const qsizetype lf = raw.indexOf('\n');
  if (cr < 0 || (lf >= 0 && lf < cr)) return "\n";
  return cr + 1 < raw.size() && raw[cr + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

QStringList EncodingNames() {
  return {"UTF-8", "UTF-8 with byte-order mark", "UTF-16 little-endian", "UTF-16 big-endian",
          "Windows-1252"};
}

QString EncodingName(CTextFormat::Encoding encoding) { return EncodingNames().value(encoding); }

bool DecodePlainText(QByteArrayView bytes, QString& text, CTextFormat& format, QString* error) {
  QString raw;
  CTextFormat found;
  if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
    found.encoding = bytes.startsWith("\xFF\xFE") ? CTextFormat::Utf16Le : CTextFormat::Utf16Be;
    QStringDecoder utf16(found.encoding == CTextFormat::Utf16Le ? QStringConverter::Utf16LE
                                                                : QStringConverter::Utf16BE);
    raw = utf16.decode(bytes.sliced(2));
  } else if (bytes.first(qMin(bytes.size(), kSniffBytes)).contains('\0')) {
    if (error) *error = "The file is not a text file (it holds binary data).";
    return false;
  } else {
    const bool bBom = bytes.startsWith("\xEF\xBB\xBF");
    const QByteArrayView body = bBom ? bytes.sliced(3) : bytes;
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    raw = utf8.decode(body);
    found.encoding = bBom ? CTextFormat::Utf8Bom : CTextFormat::Utf8;
    if (utf8.hasError()) {
      raw = QString::fromStdString(
          wordbank::Cp1252ToUtf8(std::string_view(body.data(), size_t(body.size()))));
      found.encoding = CTextFormat::Windows1252;
    }
  }
  found.strLineEnd = LineEndOf(raw);
  raw.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  raw.replace('\r', '\n');
  text = raw;
  format = found;
  return true;
}

bool EncodePlainText(const QString& text, const CTextFormat& format, QByteArray& bytes) {
  QString lines = text;
  if (format.strLineEnd != "\n") lines.replace('\n', format.strLineEnd);
  switch (format.encoding) {
    case CTextFormat::Utf8:
    case CTextFormat::Utf8Bom:
      bytes = (format.encoding == CTextFormat::Utf8Bom ? QByteArray("\xEF\xBB\xBF") : QByteArray()) +
              lines.toUtf8();
      return true;
    case CTextFormat::Utf16Le:
    case CTextFormat::Utf16Be: {
      QStringEncoder utf16(format.encoding == CTextFormat::Utf16Le ? QStringConverter::Utf16LE
                                                                   : QStringConverter::Utf16BE,
                           QStringConverter::Flag::WriteBom);
      bytes = utf16.encode(lines);
      return true;
    }
    case CTextFormat::Windows1252: {
      const std::string utf8 = lines.toStdString();
      const std::string cp1252 = wordbank::Utf8ToCp1252(utf8);
      // Characters the code page lacks would come back as '?': refuse instead.
      if (wordbank::Cp1252ToUtf8(cp1252) != utf8) return false;
      bytes = QByteArray::fromStdString(cp1252);
      return true;
    }
  }
  return false;
}
