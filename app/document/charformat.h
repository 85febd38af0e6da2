#pragma once
// The character format of a selection as a word processor reports it: a
// property is present only when it is the same over the whole selection.
#include <QString>
#include <QTextCharFormat>
#include <optional>

class QTextCursor;
class QTextDocument;

struct CSelFormat {
  std::optional<QString> face;
  std::optional<qreal> pointSize;
  std::optional<bool> bold;
  std::optional<bool> italic;
  std::optional<bool> underline;
};

// Without a selection, the format that typing at the cursor would get.
CSelFormat SelectionFormat(const QTextCursor& cursor);

// A run's face and size, the document's default where the run sets none.
QString EffectiveFace(const QTextCharFormat& format, const QTextDocument& doc);
qreal EffectivePointSize(const QTextCharFormat& format, const QTextDocument& doc);

// A format that sets only the face.
QTextCharFormat FaceFormat(const QString& face);
