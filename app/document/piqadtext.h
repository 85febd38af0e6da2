#pragma once
// Our pIqaD typeface and Unicode pIqaD in documents: the font-code runs a
// document keeps in the pIqaD face, written out as Unicode pIqaD for other
// programs, and Unicode pIqaD taken in as Latin letters or as such runs.
#include <QString>

class QMimeData;
class QTextCursor;
class QTextDocument;

// The typeface's file in the data folder, and its family.
inline constexpr char kPiqadFontFile[] = "vekmor-piqad.ttf";
inline constexpr char kPiqadFamily[] = "Vekmor pIqaD";

// Registers the typeface from `dataDir` and lets the pIqaD face name of
// documents show in it when no font of that name is installed. Returns the
// family registered, or empty when the file is missing or unusable.
QString RegisterPiqadFont(const QString& dataDir);

// The plain text of [start, end) (all of `doc` when end < 0) with every run
// in the pIqaD face written as Unicode pIqaD; other runs as they are.
// `pHadPiqad`, when given, tells whether there was any such run.
QString TextWithUnicodePiqad(const QTextDocument& doc, int start = 0, int end = -1,
                             bool* pHadPiqad = nullptr);

// The plain text of `doc` with every run in the pIqaD face read back as
// Latin letters: what the analyser reads.
QString TextWithLatinPiqad(const QTextDocument& doc);

// What a copy of `cursor`'s selection puts on the clipboard when the
// selection holds pIqaD: the rich text for our own views and the pIqaD as
// Unicode for everyone else. Null when the selection holds no pIqaD.
QMimeData* PiqadMimeData(const QTextCursor& cursor);

// Inserts `text` at `cursor` with its Unicode pIqaD as Latin letters, or as
// font code in the pIqaD face (characters without a glyph keep `latinFace`).
void InsertUnicodePiqad(QTextCursor& cursor, const QString& text, bool bAsPiqad,
                        const QString& latinFace);

bool HasUnicodePiqad(const QString& text);
// True when any run of `doc` is in the pIqaD face.
bool HasPiqadRuns(const QTextDocument& doc);
