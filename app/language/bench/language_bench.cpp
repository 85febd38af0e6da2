// The language tools on a long document, against the shipped lexicon:
// Analyze Document (report built and put into a view) and a whole spell
// check that answers Ignore All at every stop. Run with the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "analyzedoc.h"
#include "spellcheckdlg.h"
#include "synthetic_lexicon.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

constexpr int kWords = 100000;

const CKLex& Lexicon() {
  static const CKLex lex = bench::ReadLexiconTsvFile(VEK_SHIPPED_LEXICON);
  return lex;
}

const QString& Document() {
  static const QString doc = QString::fromStdString(bench::MakeDocument(Lexicon(), kWords));
  return doc;
}

std::unique_ptr<CVek99View> MakeView(const QString& text) {
  auto* doc = new CVek99Doc;
  doc->OnNewDocument("bench");
  auto view = std::make_unique<CVek99View>(doc);
  view->setPlainText(text);
  return view;
}

void BM_AnalyzeDocument(benchmark::State& state) {
  CKLex lex = Lexicon();
  const QString text = MakeView(Document())->toPlainText();
  auto report = MakeView(QString());
  for (auto _ : state) report->setPlainText(AnalysisReport(text, lex));
  state.counters["words"] = kWords;
  state.counters["report lines"] = report->document()->blockCount();
}
BENCHMARK(BM_AnalyzeDocument)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

void BM_SpellCheckIgnoreAll(benchmark::State& state) {
  CKLex lex = Lexicon();
  int stops = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto view = MakeView(Document());
    auto* dlg = new CSpellCheckDlg(view.get());
    CStringList ignore, dict;
    dlg->SetWordLists(&lex, &ignore, &dict);
    stops = 0;
    state.ResumeTiming();
    dlg->Start(view.get());
    for (; !dlg->IsFinished(); ++stops) dlg->OnIgnoreAll();
  }
  state.counters["words"] = kWords;
  state.counters["stops"] = stops;
}
BENCHMARK(BM_SpellCheckIgnoreAll)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
