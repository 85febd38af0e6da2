#pragma once
// Plain-text documents on disk: UTF-8, or Windows-1252 for older files that
// are not valid UTF-8.
#include <QByteArrayView>
#include <QString>

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxPlainTextFileSize = 512LL * 1024 * 1024;

// The text of `bytes`: UTF-8 (a leading byte-order mark dropped) when valid,
// else Windows-1252. Line ends CR LF and lone CR become LF.
QString DecodePlainText(QByteArrayView bytes);

// Writes UTF-8 through a temporary file that replaces `path` only when complete.
bool SavePlainTextFile(const QString& path, const QString& text, QString* error = nullptr);
