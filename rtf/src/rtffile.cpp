#include "rtf/rtffile.h"

#include <QFile>
#include <QSaveFile>
#include <QTextDocument>

#include "rtf/rtfwriter.h"

namespace rtf {

bool LoadRtfFile(const QString& path, QTextDocument& doc, QString* error, ReadResult* result) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  if (file.size() > kMaxRtfFileSize) {
    if (error) *error = QStringLiteral("The file is too large to open.");
    return false;
  }
  const QByteArray data = file.read(kMaxRtfFileSize + 1);
  if (data.size() > kMaxRtfFileSize) {  // grew while we looked, or not a regular file
    if (error) *error = QStringLiteral("The file is too large to open.");
    return false;
  }
  if (file.error() != QFileDevice::NoError) {
    if (error) *error = file.errorString();
    return false;
  }
  const ReadResult r = ReadRtf(data, doc);
  if (result) *result = r;
  return true;
}

bool SaveRtfFile(const QString& path, const QTextDocument& doc, QString* error) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    if (error) *error = file.errorString();
    return false;
  }
  const QByteArray data = WriteRtf(doc);
  if (file.write(data) != data.size() || !file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

}  // namespace rtf
