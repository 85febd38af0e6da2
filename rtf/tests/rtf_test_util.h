#pragma once
// Helpers shared by the RTF tests: readable views of a document's text and formatting.
#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>

#include <memory>
#include <string>

namespace rtftest {

// Blocks joined with "\n"; line separators stay U+2028.
QString Text(const QTextDocument& doc);

// One line per block: the alignment when not left, then each fragment as
// [family size b i u s #colour bg#colour sup|sub]"text".
std::string Describe(const QTextDocument& doc);

// Format of the first character of the first occurrence of `needle`; an
// invalid format when it does not occur.
QTextCharFormat FormatOf(const QTextDocument& doc, const QString& needle);

// Reads RTF given as a byte string into a new document.
std::unique_ptr<QTextDocument> Read(const QByteArray& rtf);

QByteArray Fixture(const char* name);

}  // namespace rtftest
