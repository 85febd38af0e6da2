#pragma once
// Writes a QTextDocument as RTF that word processors open with the same text and formatting.
#include <QByteArray>

class QTextDocument;

namespace rtf {

// Text, paragraphs, fonts, sizes (to the half point), bold, italic, underline,
// strike-out, text and background colours, super- and subscript and paragraph
// alignment. Characters outside ASCII are written as \uN with a Windows-1252
// or "?" fallback.
QByteArray WriteRtf(const QTextDocument& doc);

}  // namespace rtf
