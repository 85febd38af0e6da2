// Opening (argument 0) and saving (1) a 1 MB RTF document the way the program does.
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextCursor>
#include <benchmark/benchmark.h>

#include "vekdoc.h"

namespace {

void BM_Rtf1MB(benchmark::State& state) {
  // About 1 MB of RTF: paragraphs of Klingon words in mixed fonts, sizes and effects.
  QTemporaryDir dir;
  const QString path = dir.filePath("sample.rtf");
  CVek99Doc doc;
  doc.OnNewDocument("bench");
  QTextCursor cursor(doc.GetDocument());
  const char* const words[] = {"tlhIngan", "Hol", "Qapla'", "nuqneH", "batlh", "Daqawlu'taH",
                               "jIyajbe'", "qaStaHvIS", "ghaH", "DujDaq"};
  for (int n = 0; QFileInfo(path).size() < 1024 * 1024; doc.OnSaveDocument(path))
    for (const int end = n + 2000; n < end; ++n) {
      QTextCharFormat format;
      format.setFontFamilies({n % 7 == 0 ? "Times New Roman" : "Courier New"});
      format.setFontPointSize(n % 5 == 0 ? 14 : 10.5);
      format.setFontWeight(n % 3 == 0 ? QFont::Bold : QFont::Normal);
      format.setFontItalic(n % 11 == 0);
      cursor.insertText(QString::fromLatin1(words[n % 10]) + ' ', format);
      if (n % 200 == 199) cursor.insertBlock();
    }
  state.counters["bytes"] = double(QFileInfo(path).size());
  // Saved as read back from the file, as a user's save would be.
  if (state.range(0) && !doc.OnOpenDocument(path)) state.SkipWithError("open failed");
  for (auto _ : state)
    if (!(state.range(0) ? doc.OnSaveDocument(dir.filePath("out.rtf"))
                         : CVek99Doc().OnOpenDocument(path)))
      state.SkipWithError(state.range(0) ? "save failed" : "open failed");
}

}  // namespace

BENCHMARK(BM_Rtf1MB)->ArgName("save")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)
    ->Repetitions(5)->ReportAggregatesOnly();
