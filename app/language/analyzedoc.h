#pragma once
// Analyze Document: every word of a document through the analyser, the
// report in a new document window.
#include <QString>
#include <QTextCharFormat>

#include "wordbank/klex.h"

class CMainFrame;
class QTextDocument;
class CVek99View;

// The report of `text`: a line per reading of each space-separated piece,
// a "not found" line for a piece without reading, a blank line per empty piece.
// Lines end with `eol`.
QString AnalysisReport(const QString& text, CKLex& lexicon, const char* eol = "\n");

// Replaces the text of `report` with the report of `text`, in `format`, as
// setPlainText would (no undo step), analysing on a second thread while the
// document fills.
void FillAnalysisReport(const QString& text, CKLex& lexicon, QTextDocument& report,
                        const QTextCharFormat& format);

// Analyses the text of `view` into a new, modified, untitled document of `frame`.
void OnAnalyzeDocument(CVek99View& view, CMainFrame& frame, CKLex& lexicon);
