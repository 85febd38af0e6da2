#pragma once
// Reads RTF, as word processors write it for text documents, into a QTextDocument.
#include <QByteArrayView>

class QTextDocument;

namespace rtf {

struct ReadResult {
  bool bRtf = false;      // the data started with an RTF header
  bool bDamaged = false;  // unbalanced braces, cut-off data, or nesting too deep to follow
};

// Replaces the document's content (not undoable). Text, paragraphs, fonts,
// sizes, bold, italic, underline, strike-out, colours and alignment are kept;
// pictures, objects, headers and other non-text parts are left out. Damaged
// data gives as much as could be read. Data without an RTF header is taken as
// plain text (UTF-8 when valid, else Windows-1252).
ReadResult ReadRtf(QByteArrayView data, QTextDocument& doc);

}  // namespace rtf
