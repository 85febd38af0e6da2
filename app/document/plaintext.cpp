#include "plaintext.h"

#include <QSaveFile>
#include <QStringDecoder>

#include "wordbank/textcodec.h"

QString DecodePlainText(QByteArrayView bytes) {
  if (bytes.startsWith("\xEF\xBB\xBF")) bytes = bytes.sliced(3);
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (utf8.hasError()) {
    const std::string converted =
        wordbank::Cp1252ToUtf8(std::string_view(bytes.data(), size_t(bytes.size())));
    text = QString::fromStdString(converted);
  }
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace('\r', '\n');
  return text;
}

bool SavePlainTextFile(const QString& path, const QString& text, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  }
  return true;
}
