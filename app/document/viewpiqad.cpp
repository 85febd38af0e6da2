// The pIqaD command of the view: rewriting the selection into the font's
// code and back, keeping each run's other formatting, as one undo step.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <string>
#include <vector>

#include "messagebox.h"
#include "morphan/piqad.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

const QString kPiqadFace = QString::fromUtf8(morphan::kPiqadFace.data(),
                                             qsizetype(morphan::kPiqadFace.size()));

// Length of the character at `i` in UTF-16 units.
int CharLength(const QString& text, int i) {
  return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                          : 1;
}

// Where each letter of the transcription starts: ch and gh take the next
// character whatever it is, ng and tlh are one letter each.
std::vector<int> PiqadUnitStarts(const QString& text) {
  std::vector<int> starts;
  int i = 0;
  const int n = int(text.size());
  while (i < n) {
    starts.push_back(i);
    const QChar c = text[i];
    if (c == 'c' || c == 'g')
      i = i + 1 < n ? i + 1 + CharLength(text, i + 1) : n;
    else if (c == 'n' && i + 1 < n && text[i + 1] == 'g')
      i += 2;
    else if (c == 't' && i + 2 < n && text[i + 1] == 'l' && text[i + 2] == 'h')
      i += 3;
    else
      i += CharLength(text, i);
  }
  return starts;
}

std::vector<int> CharStarts(const QString& text) {
  std::vector<int> starts;
  for (int i = 0; i < int(text.size()); i += CharLength(text, i)) starts.push_back(i);
  return starts;
}

// Positions in [start, end) where the character format may change: run
// starts and the paragraph ends on both sides.
std::vector<int> FormatBoundaries(const QTextDocument& doc, int start, int end) {
  std::vector<int> bounds;
  for (QTextBlock block = doc.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) bounds.push_back(it.fragment().position());
    const int separator = block.position() + block.length() - 1;
    bounds.push_back(separator);
    bounds.push_back(separator + 1);
  }
  return bounds;
}

// On pIqaD runs: the font families the run had before its conversion (an
// empty list for the document's default), so each run gets its own back.
constexpr int kFacesBeforePiqad = QTextFormat::UserProperty + 1;

bool IsPiqadFormat(const QTextCharFormat& format, const QTextDocument& doc) {
  return EffectiveFace(format, doc) == kPiqadFace;
}

// A character outside the pIqaD face that says the text is still Latin: one
// the conversion would rewrite or draw as pIqaD. Punctuation, spaces and
// letters the font lacks keep their face in converted text and say nothing.
bool IsLatinLetter(QChar c) {
  if (c.unicode() >= 0x80 || c.isSpace()) return false;
  const std::string one(1, char(c.unicode()));
  return morphan::IsPiqadGlyph(c.unicode()) || morphan::ToPiqad(one) != one;
}

QTextCharFormat PiqadFormatOf(const QTextCharFormat& format) {
  QTextCharFormat piqad = format;
  piqad.setProperty(kFacesBeforePiqad, format.fontFamilies().toStringList());
  piqad.setFontFamilies(QStringList{kPiqadFace});
  return piqad;
}

QTextCharFormat LatinFormatOf(const QTextCharFormat& format, const QString& fallbackFace) {
  QTextCharFormat latin = format;
  latin.clearProperty(kFacesBeforePiqad);
  if (!format.hasProperty(kFacesBeforePiqad)) {
    latin.setFontFamilies(QStringList{fallbackFace});
    return latin;
  }
  const QStringList faces = format.property(kFacesBeforePiqad).toStringList();
  if (faces.isEmpty()) {
    latin.clearProperty(QTextFormat::FontFamilies);
    latin.clearProperty(QTextFormat::FontFamily);
  } else {
    latin.setFontFamilies(faces);
  }
  return latin;
}

// Rewrites the runs of [start, end) that are not yet in the wanted script,
// each run keeping its other formatting; units never straddle two rewrites.
// Returns the new end; `firstFace` gets the face of the first run converted.
int RewriteRange(QTextDocument& doc, int start, int end, bool bToPiqad,
                 const QString& fallbackFace, QString& firstFace) {
  QTextCursor cursor(&doc);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  const QString text = cursor.selectedText();
  const std::vector<int> units = bToPiqad ? PiqadUnitStarts(text) : CharStarts(text);
  std::vector<int> bounds = FormatBoundaries(doc, start, end);
  std::sort(bounds.begin(), bounds.end());

  // Groups of whole units, a new one at every format boundary.
  std::vector<std::pair<int, int>> groups;  // offsets into text
  size_t b = 0;
  int previous = -1;  // start of the unit before
  for (size_t u = 0; u < units.size(); ++u) {
    const int pos = start + units[u];
    bool bNew = groups.empty();
    for (; b < bounds.size() && bounds[b] <= pos; ++b)
      if (bounds[b] > previous) bNew = true;
    previous = pos;
    const int unitEnd = u + 1 < units.size() ? units[u + 1] : int(text.size());
    if (bNew)
      groups.emplace_back(units[u], unitEnd);
    else
      groups.back().second = unitEnd;
  }

  int delta = 0;
  for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
    cursor.setPosition(start + it->first);
    cursor.setPosition(start + it->first + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    if (IsPiqadFormat(format, doc) == bToPiqad) continue;
    const QString source = text.mid(it->first, it->second - it->first);
    const QString converted = QString::fromStdString(
        bToPiqad ? morphan::ToPiqad(source.toStdString()) : morphan::ToLatin(source.toStdString()));
    cursor.setPosition(start + it->second, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (bToPiqad) {
      firstFace = EffectiveFace(format, doc);
      // Characters the font has no glyph for keep the face they had.
      const QTextCharFormat piqad = PiqadFormatOf(format);
      for (int i = 0; i < converted.size();) {
        const bool bGlyph = morphan::IsPiqadGlyph(converted[i].unicode());
        int j = i + 1;
        while (j < converted.size() && morphan::IsPiqadGlyph(converted[j].unicode()) == bGlyph) ++j;
        cursor.insertText(converted.mid(i, j - i), bGlyph ? piqad : format);
        i = j;
      }
    } else {
      cursor.insertText(converted, LatinFormatOf(format, fallbackFace));
    }
    delta += int(converted.size() - source.size());
  }
  return end + delta;
}

}  // namespace

bool CVek99View::IsPiqadSelection() const {
  const QTextCursor cursor = textCursor();
  if (!cursor.hasSelection()) return IsPiqadFormat(cursor.charFormat(), *document());
  // Converted text keeps punctuation in its old face: only letters decide.
  const int start = cursor.selectionStart();
  const int end = cursor.selectionEnd();
  bool bPiqad = false;
  for (QTextBlock block = document()->findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = qMax(start, fragment.position());
      const int to = qMin(end, fragment.position() + fragment.length());
      if (from >= to) continue;
      const QString text = fragment.text().mid(from - fragment.position(), to - from);
      if (IsPiqadFormat(fragment.charFormat(), *document())) {
        bPiqad = bPiqad || !text.trimmed().isEmpty();
        continue;
      }
      for (QChar c : text)
        if (IsLatinLetter(c)) return false;
    }
  }
  return bPiqad;
}

bool CVek99View::ConversionRange(int& start, int& end) {
  const QTextCursor cursor = textCursor();
  if (cursor.hasSelection()) {
    start = cursor.selectionStart();
    end = cursor.selectionEnd();
    return true;
  }
  if (VekMessageBox("Convert entire document?", MsgIcon::Question,
                    QMessageBox::Yes | QMessageBox::No, this) != QMessageBox::Yes)
    return false;
  start = 0;
  end = document()->characterCount() - 1;
  return true;
}

void CVek99View::FinishConversion(int start, int end, bool bHadSelection, int oldPosition) {
  QTextCursor cursor(document());
  if (bHadSelection) {
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
  } else {
    cursor.setPosition(qMin(oldPosition, document()->characterCount() - 1));
  }
  setTextCursor(cursor);
  m_pDoc->SetRtf(true);
  m_pDoc->SetModifiedFlag(true);
  emit formatStateChanged();
}

void CVek99View::ConvertSelectionToPiqad() {
  if (!IsPiqadSelection()) ConvertSelection(true);
}

void CVek99View::ConvertSelectionToLatin() {
  if (IsPiqadSelection()) ConvertSelection(false);
}

void CVek99View::ConvertSelection(bool bToPiqad) {
  const bool bHadSelection = textCursor().hasSelection();
  const int oldPosition = textCursor().position();
  int start = 0, end = 0;
  if (!ConversionRange(start, end)) return;

  QTextCursor cursor(document());
  cursor.beginEditBlock();
  QString firstFace;
  const int newEnd =
      RewriteRange(*document(), start, end, bToPiqad,
                   QString::fromStdString(morphan::LatinFace(m_strPreviousFace.toStdString())),
                   firstFace);
  // The face of the first run converted is the one given back to pIqaD text
  // that no longer knows its own (read from a file).
  if (bToPiqad && !firstFace.isEmpty()) m_strPreviousFace = firstFace;
  cursor.endEditBlock();
  FinishConversion(start, newEnd, bHadSelection, oldPosition);
}

void CVek99View::OnFormatPiqad() {
  if (IsPiqadSelection())
    ConvertSelectionToLatin();
  else
    ConvertSelectionToPiqad();
}
