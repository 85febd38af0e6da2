#include "charformat.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

template <typename T>
void Merge(std::optional<T>& field, bool& first, bool& mixed, const T& value) {
  if (first)
    field = value;
  else if (!mixed && field != value)
    mixed = true;
}

struct Accumulator {
  CSelFormat result;
  bool bFirst = true;
  bool bFaceMixed = false, bSizeMixed = false, bBoldMixed = false, bItalicMixed = false,
       bUnderlineMixed = false;

  void Add(const QTextCharFormat& format, const QTextDocument& doc) {
    Merge(result.face, bFirst, bFaceMixed, EffectiveFace(format, doc));
    Merge(result.pointSize, bFirst, bSizeMixed, EffectivePointSize(format, doc));
    Merge(result.bold, bFirst, bBoldMixed, format.fontWeight() >= QFont::Bold);
    Merge(result.italic, bFirst, bItalicMixed, format.fontItalic());
    Merge(result.underline, bFirst, bUnderlineMixed, format.fontUnderline());
    bFirst = false;
  }

  CSelFormat Result() {
    if (bFaceMixed) result.face.reset();
    if (bSizeMixed) result.pointSize.reset();
    if (bBoldMixed) result.bold.reset();
    if (bItalicMixed) result.italic.reset();
    if (bUnderlineMixed) result.underline.reset();
    return result;
  }
};

}  // namespace

QString EffectiveFace(const QTextCharFormat& format, const QTextDocument& doc) {
  const QStringList families = format.fontFamilies().toStringList();
  if (!families.isEmpty() && !families.first().isEmpty()) return families.first();
  return doc.defaultFont().family();
}

qreal EffectivePointSize(const QTextCharFormat& format, const QTextDocument& doc) {
  if (format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0)
    return format.fontPointSize();
  const qreal size = doc.defaultFont().pointSizeF();
  return size > 0 ? size : 12.0;
}

QTextCharFormat FaceFormat(const QString& face) {
  QTextCharFormat format;
  format.setFontFamilies(QStringList{face});
  return format;
}

CSelFormat SelectionFormat(const QTextCursor& cursor) {
  const QTextDocument& doc = *cursor.document();
  Accumulator acc;
  if (!cursor.hasSelection()) {
    acc.Add(cursor.charFormat(), doc);
    return acc.Result();
  }
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  for (QTextBlock block = doc.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (fragment.position() >= end) break;
      if (fragment.position() + fragment.length() <= start) continue;
      acc.Add(fragment.charFormat(), doc);
    }
  }
  // A selection of empty paragraphs has no runs: take the cursor's format.
  if (acc.bFirst) acc.Add(cursor.charFormat(), doc);
  return acc.Result();
}
