#pragma once
// Words as Klingon has them: the apostrophe is a letter, so Dajatlh'a' is one
// word to double-click, to jump over with Ctrl+arrow and to match whole.
#include <QString>

class QTextCursor;
class QTextDocument;

// A letter, a digit, or the apostrophe in its plain or typographic form.
bool IsKlingonWordChar(QChar c);

// The word of `text` that holds the character at `pos`, as [start, end);
// start == end when that character is not part of a word.
void WordAround(const QString& text, int pos, int& start, int& end);

// Where Ctrl+Right and Ctrl+Left go from `pos` inside one line of text: the
// start of the next word (or the end), the start of this or the previous one.
int NextWordStart(const QString& text, int pos);
int PreviousWordStart(const QString& text, int pos);

// Moves `cursor` by one word, across paragraph ends, keeping its anchor when
// `bSelect` (the Shift variants).
void MoveByWord(QTextCursor& cursor, bool bForward, bool bSelect);

// True when the selection of `found` has no word character on either side.
bool IsWholeWord(const QTextDocument& doc, const QTextCursor& found);
