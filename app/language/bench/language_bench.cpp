// The language tools on a long document, against the shipped lexicon:
// Analyze Document (report built and put into a view) and a whole spell
// check that answers Ignore All at every stop. Run with the offscreen platform.
// Texts: 0 = made-up words (many distinct ones), 1 = the example sentences
// repeated (real text, few distinct words).
#include <benchmark/benchmark.h>

#include <sstream>

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

// The example sentences, comment lines left out, repeated to kWords words.
std::string SentencesDocument() {
  const std::vector<std::string> lines = bench::ReadSentenceLines(VEK_SENTENCES_TXT);
  std::string doc;
  for (size_t i = 0, words = 0; words < kWords && !lines.empty(); ++i) {
    const std::string& line = lines[i % lines.size()];
    std::istringstream count(line);
    for (std::string w; count >> w;) ++words;
    doc += line + "\n";
  }
  return doc;
}

const QString& Document(int64_t text = 0) {
  static const QString made = QString::fromStdString(bench::MakeDocument(Lexicon(), kWords));
  static const QString real = QString::fromStdString(SentencesDocument());
  return text == 0 ? made : real;
}

std::unique_ptr<CVek99View> MakeView(const QString& text) {
  auto* doc = new CVek99Doc;
  doc->OnNewDocument("bench");
  auto view = std::make_unique<CVek99View>(doc);
  view->setPlainText(text);
  return view;
}

// What the command does: the report into a fresh view.
void BM_AnalyzeDocument(benchmark::State& state) {
  CKLex lex = Lexicon();
  const QString text = MakeView(Document(state.range(0)))->toPlainText();
  int lines = 0;
  for (auto _ : state) {
    auto report = MakeView(QString());
    FillAnalysisReport(text, lex, *report->document(), report->currentCharFormat());
    state.PauseTiming();
    lines = report->document()->blockCount();
    report.reset();
    state.ResumeTiming();
  }
  state.counters["report lines"] = lines;
}
BENCHMARK(BM_AnalyzeDocument)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(3);

// The report text alone, as the command-line analyser makes it.
void BM_AnalysisReportText(benchmark::State& state) {
  CKLex lex = Lexicon();
  const QString text = Document(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(AnalysisReport(text, lex));
}
BENCHMARK(BM_AnalysisReportText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Repetitions(3);

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
