#include "analyzedoc.h"

#include <QMdiSubWindow>
#include <QTextCursor>
#include <QTextDocument>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "mainframe.h"
#include "morphan/klingonparser.h"
#include "morphan/report.h"
#include "piqadtext.h"
#include "vekapp.h"
#include "vekdoc.h"
#include "vekview.h"
#include "waitcursor.h"

namespace {

// Pieces analysed per hand-over to the document: small enough that the
// document starts filling at once, large enough to keep locking rare.
constexpr size_t kPiecesPerBatch = 2048;

// Report text passed from the analysing thread to the filling one.
class CReportBatches {
 public:
  void Push(std::string batch) {
    {
      std::lock_guard lock(m_mutex);
      m_batches.push_back(std::move(batch));
    }
    m_ready.notify_one();
  }
  void Finish() {
    {
      std::lock_guard lock(m_mutex);
      m_bFinished = true;
    }
    m_ready.notify_one();
  }
  // The next batch; false once every batch has been taken.
  bool Pop(std::string& batch) {
    std::unique_lock lock(m_mutex);
    m_ready.wait(lock, [this] { return !m_batches.empty() || m_bFinished; });
    if (m_batches.empty()) return false;
    batch = std::move(m_batches.front());
    m_batches.pop_front();
    return true;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_ready;
  std::deque<std::string> m_batches;
  bool m_bFinished = false;
};

void UseMemo(CKlingonParser& parser, CKLex& lexicon, CParseMemo& memo) {
  parser.m_pLexicon = &lexicon;
  parser.m_pMemo = &memo;  // texts repeat their words
}

}  // namespace

QString AnalysisReport(const QString& text, CKLex& lexicon, const char* eol) {
  CKlingonParser parser;
  CParseMemo memo;
  UseMemo(parser, lexicon, memo);
  return QString::fromStdString(morphan::ReportText(parser, text.toStdString(), eol));
}

void FillAnalysisReport(const QString& text, CKLex& lexicon, QTextDocument& report,
                        const QTextCharFormat& format) {
  const std::vector<std::string> pieces = morphan::TokeniseText(text.toStdString());
  CReportBatches batches;
  // Nothing else uses the lexicon meanwhile: this thread only fills the
  // document and handles no events until the analysis is over.
  std::jthread analyser([&] {
    CKlingonParser parser;
    CParseMemo memo;
    UseMemo(parser, lexicon, memo);
    for (size_t first = 0; first < pieces.size(); first += kPiecesPerBatch) {
      std::string batch;
      const size_t end = std::min(pieces.size(), first + kPiecesPerBatch);
      for (size_t i = first; i < end; ++i) batch += morphan::ReportPiece(parser, pieces[i], "\n");
      batches.Push(std::move(batch));
    }
    batches.Finish();
  });
  const bool bUndo = report.isUndoRedoEnabled();
  report.setUndoRedoEnabled(false);  // like setPlainText: the report is not an edit
  QTextCursor cursor(&report);
  // Cleared inside the edit block, the document is laid out lazily as after
  // setPlainText; cleared before it, the whole report would be laid out now.
  cursor.beginEditBlock();
  report.clear();
  for (std::string batch; batches.Pop(batch);)
    cursor.insertText(QString::fromStdString(batch), format);
  cursor.endEditBlock();
  report.setUndoRedoEnabled(bUndo);
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
  // Paragraph ends come out as line feeds, pIqaD as the Latin letters it stands for.
  FillAnalysisReport(TextWithLatinPiqad(*view.document()), lexicon, *reportView->document(),
                     reportView->currentCharFormat());
  reportView->GetDocument()->SetModifiedFlag(true);
  frame.SetMessageText("Ready");
}
