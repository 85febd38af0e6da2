#include "analyzedoc.h"

#include <QMdiSubWindow>
#include <unordered_map>

#include "mainframe.h"
#include "morphan/klingonparser.h"
#include "morphan/report.h"
#include "vekapp.h"
#include "vekdoc.h"
#include "vekview.h"
#include "waitcursor.h"

QString AnalysisReport(const QString& text, CKLex& lexicon, const char* eol) {
  CKlingonParser parser;
  parser.m_pLexicon = &lexicon;
  // Texts repeat their words: each distinct piece is analysed once.
  std::unordered_map<std::string, std::string> done;
  std::string report;
  for (const std::string& piece : morphan::TokeniseText(text.toStdString())) {
    auto [it, bNew] = done.try_emplace(piece);
    if (bNew) it->second = morphan::ReportPiece(parser, piece, eol);
    report += it->second;
  }
  return QString::fromStdString(report);
}

void OnAnalyzeDocument(CVek99View& view, CMainFrame& frame, CKLex& lexicon) {
  CWaitCursor wait;
  frame.SetMessageText("Analyzing File...");
  CVek99View* reportView = nullptr;
  if (CVek99App* app = VekApp(); app && !app->GetDocTemplates().empty())
    if (QMdiSubWindow* window = frame.OpenNewDocument(*app->GetDocTemplates().front()))
      reportView = qobject_cast<CVek99View*>(window->widget());
  if (!reportView) {
    frame.SetMessageText("Ready");
    return;
  }
  // The editor's paragraph ends come out of toPlainText as line feeds.
  reportView->setPlainText(AnalysisReport(view.toPlainText(), lexicon));
  reportView->GetDocument()->SetModifiedFlag(true);
  frame.SetMessageText("Ready");
}
