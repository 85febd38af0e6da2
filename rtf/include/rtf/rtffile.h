#pragma once
// RTF files on disk.
#include <QString>

#include "rtf/rtfreader.h"

class QTextDocument;

namespace rtf {

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxRtfFileSize = 512LL * 1024 * 1024;

// Opens and reads `path` into `doc`; false with a message when it cannot be read.
bool LoadRtfFile(const QString& path, QTextDocument& doc, QString* error = nullptr,
                 ReadResult* result = nullptr);

// Writes through a temporary file that replaces `path` only when complete.
bool SaveRtfFile(const QString& path, const QTextDocument& doc, QString* error = nullptr);

}  // namespace rtf
