#pragma once
// Plain-text documents on disk. A file is read in the encoding its bytes show
// (a byte-order mark, else UTF-8 when valid, else Windows-1252) and written
// back the same way, with the line ends it had.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Larger files are refused rather than read into memory.
inline constexpr qint64 kMaxPlainTextFileSize = 512LL * 1024 * 1024;

// How a plain-text file stores its text.
struct CTextFormat {
  enum Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };
  Encoding encoding = Utf8;
  QString strLineEnd = "\n";  // "\n", "\r\n" or "\r"
  bool operator==(const CTextFormat&) const = default;
};

// The names the Save As dialog offers, in the order of the enum.
QStringList EncodingNames();
// The name of the format's encoding and line ends, as the Save As dialog shows it.
QString EncodingName(CTextFormat::Encoding encoding);

// The text of `bytes` with LF line ends, and how the file stored it. False
// with a message for a file that is not text (a NUL byte in its first block
// without a UTF-16 byte-order mark).
bool DecodePlainText(QByteArrayView bytes, QString& text, CTextFormat& format,
                     QString* error = nullptr);

// `text` (LF line ends) in the bytes of `format`. False when the encoding
// cannot hold every character; the bytes are then not to be written.
bool EncodePlainText(const QString& text, const CTextFormat& format, QByteArray& bytes);
