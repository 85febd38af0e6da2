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

using Converter = std::string (*)(std::string_view);

// Rewrites [start, end) with `convert`, run by run so each run keeps its
// format; units never straddle two rewrites. Returns the new end.
int RewriteRange(QTextDocument& doc, int start, int end, Converter convert, bool bPiqadUnits) {
  QTextCursor cursor(&doc);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  const QString text = cursor.selectedText();
  const std::vector<int> units = bPiqadUnits ? PiqadUnitStarts(text) : CharStarts(text);
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
    const QString source = text.mid(it->first, it->second - it->first);
    const QString converted = QString::fromStdString(convert(source.toStdString()));
    if (converted == source) continue;
    cursor.setPosition(start + it->first);
    cursor.setPosition(start + it->first + 1, QTextCursor::KeepAnchor);
    const QTextCharFormat format = cursor.charFormat();
    cursor.setPosition(start + it->second, QTextCursor::KeepAnchor);
    cursor.insertText(converted, format);
    delta += int(converted.size() - source.size());
  }
  return end + delta;
}

}  // namespace

bool CVek99View::IsPiqadSelection() const {
  const CSelFormat format = GetSelectionFormat();
  return format.face && *format.face == kPiqadFace;
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
  const int newEnd = RewriteRange(*document(), start, end,
                                  bToPiqad ? &morphan::ToPiqad : &morphan::ToLatin, bToPiqad);
  cursor.setPosition(start);
  cursor.setPosition(newEnd, QTextCursor::KeepAnchor);
  if (bToPiqad) {
    // The face of the rewritten text is the one to give back later.
    QTextCursor first(document());
    first.setPosition(qMin(start + 1, newEnd));
    m_strPreviousFace =
        SelectionFormat(cursor).face.value_or(EffectiveFace(first.charFormat(), *document()));
    cursor.mergeCharFormat(FaceFormat(kPiqadFace));

    // Characters the font has no glyph for keep the face they had.
    const QString text = cursor.selectedText();
    const std::u16string_view view(reinterpret_cast<const char16_t*>(text.utf16()),
                                   size_t(text.size()));
    for (const morphan::CharRun& run : morphan::NonGlyphRuns(view)) {
      QTextCursor part(document());
      part.setPosition(start + int(run.start));
      part.setPosition(start + int(run.start + run.length), QTextCursor::KeepAnchor);
      part.mergeCharFormat(FaceFormat(m_strPreviousFace));
    }
  } else {
    const std::string face = morphan::LatinFace(m_strPreviousFace.toStdString());
    cursor.mergeCharFormat(FaceFormat(QString::fromStdString(face)));
  }
  cursor.endEditBlock();
  FinishConversion(start, newEnd, bHadSelection, oldPosition);
}

void CVek99View::OnFormatPiqad() {
  if (IsPiqadSelection())
    ConvertSelectionToLatin();
  else
    ConvertSelectionToPiqad();
}
