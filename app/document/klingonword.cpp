#include "klingonword.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

bool IsKlingonWordChar(QChar c) {
  return c.isLetterOrNumber() || c == u'\'' || c == u'\u2019' || c == u'\u02BC';
}

void WordAround(const QString& text, int pos, int& start, int& end) {
  start = end = pos;
  if (pos < 0 || pos >= text.size() || !IsKlingonWordChar(text[pos])) return;
  while (start > 0 && IsKlingonWordChar(text[start - 1])) --start;
  while (end < text.size() && IsKlingonWordChar(text[end])) ++end;
}

int NextWordStart(const QString& text, int pos) {
  const int n = int(text.size());
  if (pos >= n) return n;
  if (IsKlingonWordChar(text[pos])) {
    while (pos < n && IsKlingonWordChar(text[pos])) ++pos;
  } else if (!text[pos].isSpace()) {
    ++pos;  // a punctuation mark counts as a word of its own
  }
  while (pos < n && text[pos].isSpace()) ++pos;
  return pos;
}

int PreviousWordStart(const QString& text, int pos) {
  pos = qMin(pos, int(text.size()));
  while (pos > 0 && text[pos - 1].isSpace()) --pos;
  if (pos > 0 && IsKlingonWordChar(text[pos - 1])) {
    while (pos > 0 && IsKlingonWordChar(text[pos - 1])) --pos;
  } else if (pos > 0) {
    --pos;
  }
  return pos;
}

void MoveByWord(QTextCursor& cursor, bool bForward, bool bSelect) {
  const auto mode = bSelect ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
  const QTextBlock block = cursor.block();
  const int inBlock = cursor.position() - block.position();
  const QString text = block.text();
  if (bForward) {
    if (inBlock >= text.size()) {
      cursor.movePosition(QTextCursor::NextBlock, mode);
      // The next line's first word, as after a space.
      const QString next = cursor.block().text();
      int i = 0;
      while (i < next.size() && next[i].isSpace()) ++i;
      cursor.setPosition(cursor.block().position() + i, mode);
      return;
    }
    cursor.setPosition(block.position() + NextWordStart(text, inBlock), mode);
  } else {
    if (inBlock == 0) {
      if (!cursor.movePosition(QTextCursor::PreviousBlock, mode)) return;
      cursor.movePosition(QTextCursor::EndOfBlock, mode);
      const QTextBlock previous = cursor.block();
      cursor.setPosition(previous.position() + PreviousWordStart(previous.text(),
                                                                 int(previous.text().size())),
                         mode);
      return;
    }
    cursor.setPosition(block.position() + PreviousWordStart(text, inBlock), mode);
  }
}

bool IsWholeWord(const QTextDocument& doc, const QTextCursor& found) {
  const int start = found.selectionStart();
  const int end = found.selectionEnd();
  return (start == 0 || !IsKlingonWordChar(doc.characterAt(start - 1))) &&
         !IsKlingonWordChar(doc.characterAt(end));
}
