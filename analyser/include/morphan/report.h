#pragma once
// Whole-text analysis: the word pieces of a text and the report lines of their
// readings, shared by the document analysis and the command-line analyser.
#include <string>
#include <string_view>
#include <vector>

#include "morphan/klingonparser.h"

namespace morphan {

// Splits at line feeds, trims trailing blanks, tabs, CR and LF from each line,
// then splits at every single space; empty pieces are kept.
std::vector<std::string> TokeniseText(std::string_view text);

// " (n errors s.ss)" for a reading with errors, else empty; the figures are
// written the same whatever the locale.
std::string ErrorNote(const CParseResult& result);

// "POS: word: gloss", with " (n errors s.ss)" when the reading has errors.
std::string ReadingLine(const CParseResult& result);

// The report lines of one piece, each followed by `eol`: one per reading,
// "X: piece: *** not found ***" without readings, a bare `eol` for an empty piece.
std::string ReportPiece(CKlingonParser& parser, const std::string& piece, std::string_view eol);

// One JSON object for one piece and its readings (none for an empty piece):
// {"input", "readings": [{"pos", "word", "key", "gloss", "score", "errors",
// "suggestions"}]}, keys sorted, no line end; the score round-trips exactly.
std::string PieceJson(CKlingonParser& parser, const std::string& piece);

// The report of a whole text.
std::string ReportText(CKlingonParser& parser, std::string_view text, std::string_view eol);

}  // namespace morphan
