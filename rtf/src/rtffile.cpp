#include "rtf/rtffile.h"

#include <QTextDocument>
#include <string>

#include "datafile/atomicfile.h"
#include "rtf/rtfwriter.h"

namespace rtf {

bool ReadDocumentBytes(const QString& path, qint64 maxBytes, std::string& bytes, QString* error) {
  std::string why;
  if (datafile::ReadFileBytes(path.toStdString(), bytes, why, maxBytes)) return true;
  if (error) *error = QString::fromStdString(why);
  return false;
}

bool SaveDocumentBytes(const QString& path, const QByteArray& bytes, QString* error) {
  std::string why;
  if (datafile::SaveFileAtomically(path.toStdString(),
                                   std::string_view(bytes.constData(), size_t(bytes.size())), why))
    return true;
  if (error) *error = QString::fromStdString(why);
  return false;
}

bool LoadRtfFile(const QString& path, QTextDocument& doc, QString* error, ReadResult* result) {
  std::string bytes;
  if (!ReadDocumentBytes(path, kMaxRtfFileSize, bytes, error)) return false;
  const ReadResult r = ReadRtf(QByteArrayView(bytes.data(), qsizetype(bytes.size())), doc);
  if (result) *result = r;
  return true;
}

bool SaveRtfFile(const QString& path, const QTextDocument& doc, QString* error) {
  return SaveDocumentBytes(path, WriteRtf(doc), error);
}

}  // namespace rtf
