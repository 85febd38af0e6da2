#pragma once
// RTF files on disk.
#include <QByteArray>
#include <QString>
#include <string>

#include "rtf/rtfreader.h"

class QTextDocument;

namespace rtf {

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxRtfFileSize = 512LL * 1024 * 1024;

// The whole of a regular file of at most `maxBytes`, or false with the
// system's reason; pipes and devices are refused without waiting on them.
bool ReadDocumentBytes(const QString& path, qint64 maxBytes, std::string& bytes,
                       QString* error = nullptr);
// Writes `bytes` through a temporary file that replaces `path` only when every
// write has succeeded; false with the system's reason, the old file kept.
bool SaveDocumentBytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Opens and reads `path` into `doc`; false with a message when it cannot be read.
bool LoadRtfFile(const QString& path, QTextDocument& doc, QString* error = nullptr,
                 ReadResult* result = nullptr);

// Writes through a temporary file that replaces `path` only when complete.
bool SaveRtfFile(const QString& path, const QTextDocument& doc, QString* error = nullptr);

}  // namespace rtf
