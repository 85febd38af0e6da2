// Opening and saving a 1 MB RTF document the way the program does.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <benchmark/benchmark.h>

#include "messagebox.h"
#include "vekdoc.h"
#include "vekview.h"

namespace {

// About 1 MB of RTF: paragraphs of Klingon words in mixed fonts, sizes and effects.
QString WriteSample(const QTemporaryDir& dir) {
  CVek99Doc doc;
  doc.OnNewDocument("bench");
  QTextCursor cursor(doc.GetDocument());
  const char* const words[] = {"tlhIngan", "Hol", "Qapla'", "nuqneH", "batlh", "Daqawlu'taH",
                               "jIyajbe'", "qaStaHvIS", "ghaH", "DujDaq"};
  int n = 0;
  QString path = dir.filePath("sample.rtf");
  while (true) {
    for (int w = 0; w < 200; ++w, ++n) {
      QTextCharFormat format;
      format.setFontFamilies({n % 7 == 0 ? "Times New Roman" : "Courier New"});
      format.setFontPointSize(n % 5 == 0 ? 14 : 10.5);
      format.setFontWeight(n % 3 == 0 ? QFont::Bold : QFont::Normal);
      format.setFontItalic(n % 11 == 0);
      cursor.insertText(QString::fromLatin1(words[n % 10]) + ' ', format);
    }
    cursor.insertBlock();
    if (n % 2000 == 0) {
      doc.OnSaveDocument(path);
      if (QFileInfo(path).size() >= 1024 * 1024) break;
    }
  }
  return path;
}

void BM_OpenRtf1MB(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteSample(dir);
  state.counters["bytes"] = double(QFileInfo(path).size());
  for (auto _ : state) {
    CVek99Doc doc;
    if (!doc.OnOpenDocument(path)) state.SkipWithError("open failed");
    benchmark::DoNotOptimize(doc.GetDocument()->characterCount());
  }
}

void BM_SaveRtf1MB(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteSample(dir);
  CVek99Doc doc;
  doc.OnOpenDocument(path);
  const QString out = dir.filePath("out.rtf");
  for (auto _ : state)
    if (!doc.OnSaveDocument(out)) state.SkipWithError("save failed");
}

// The pIqaD command on the whole 1 MB document, answered Yes, and its undo.
void BM_PiqadWholeDocument1MB(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteSample(dir);
  auto* doc = new CVek99Doc;
  doc->OnOpenDocument(path);
  CVek99View view(doc);
  SetVekMessageHook([](const VekMessage&) { return QMessageBox::Yes; });
  for (auto _ : state) {
    view.ConvertSelectionToPiqad();
    state.PauseTiming();
    view.undo();
    state.ResumeTiming();
  }
  SetVekMessageHook({});
}

}  // namespace

BENCHMARK(BM_PiqadWholeDocument1MB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly();
BENCHMARK(BM_OpenRtf1MB)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(BM_SaveRtf1MB)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
