#pragma once
// Analyze Document: every word of a document through the analyser, the
// report in a new document window.
#include <QString>

#include "wordbank/klex.h"

class CMainFrame;
class CVek99View;

// The report of `text`: a line per reading of each space-separated piece,
// a "not found" line for a piece without reading, a blank line per empty piece.
// Lines end with `eol`.
QString AnalysisReport(const QString& text, CKLex& lexicon, const char* eol = "\n");

// Analyses the text of `view` into a new, modified, untitled document of `frame`.
void OnAnalyzeDocument(CVek99View& view, CMainFrame& frame, CKLex& lexicon);
