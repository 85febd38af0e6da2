#include "analyzedoc.h"

#include <QMdiSubWindow>

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
  CParseMemo memo;  // texts repeat their words
  parser.m_pMemo = &memo;
  return QString::fromStdString(morphan::ReportText(parser, text.toStdString(), eol));
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
