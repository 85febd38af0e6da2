// Opening and saving a 1 MB RTF document: Klingon prose with formatting
// changes every few words, as a long edited document has them.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

#include "rtf/rtffile.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

namespace {

constexpr qsizetype kTargetBytes = 1024 * 1024;

const char* const kWords[] = {"tlhIngan", "Hol", "vIjatlh", "Qapla'", "nuqneH", "jIyajbe'", "Heghlu'meH",
                              "QaQ", "jajvam", "bIjeghbe'chugh", "vaj", "bIHegh", "yIjah", "wa'", "cha'",
                              "wej", "maH", "DaH", "mojaq", "ghotvam", "Soj", "qagh", "ghIq", "chuq"};

void AddParagraph(QTextCursor& c, int n) {
  QTextCharFormat plain;
  plain.setFontFamilies({"Times New Roman"});
  plain.setFontPointSize(12);
  if (n > 0) c.insertBlock(QTextBlockFormat(), plain);
  for (int w = 0; w < 60; ++w) {
    QTextCharFormat f = plain;
    const int k = n * 60 + w;
    if (k % 7 == 0) f.setFontWeight(QFont::Bold);
    if (k % 11 == 0) f.setFontItalic(true);
    if (k % 13 == 0) f.setForeground(QColor(160, 0, 0));
    if (k % 17 == 0) {
      f.setFontFamilies({"Arial"});
      f.setFontPointSize(14);
    }
    QString word = QString::fromLatin1(kWords[k % std::size(kWords)]);
    if (k % 29 == 0) word.replace('\'', QChar(0x2019));
    c.insertText(word + (w == 59 ? "." : " "), f);
  }
}

// A document whose RTF is just over 1 MB.
std::unique_ptr<QTextDocument> MakeDocument() {
  auto doc = std::make_unique<QTextDocument>();
  QTextCursor c(doc.get());
  int n = 0;
  for (int step = 256; step > 0;) {
    for (int i = 0; i < step; ++i) AddParagraph(c, n++);
    const qsizetype size = rtf::WriteRtf(*doc).size();
    if (size >= kTargetBytes) break;
    step = int((kTargetBytes - size) / (size / n)) + 1;
  }
  return doc;
}

const QByteArray& OneMegabyte() {
  static const QByteArray data = rtf::WriteRtf(*MakeDocument());
  return data;
}

void BM_ReadRtf(benchmark::State& state) {
  const QByteArray& data = OneMegabyte();
  for (auto _ : state) {
    QTextDocument doc;
    rtf::ReadRtf(data, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
  state.SetBytesProcessed(state.iterations() * data.size());
}
BENCHMARK(BM_ReadRtf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_WriteRtf(benchmark::State& state) {
  QTextDocument doc;
  rtf::ReadRtf(OneMegabyte(), doc);
  qsizetype bytes = 0;
  for (auto _ : state) {
    const QByteArray out = rtf::WriteRtf(doc);
    bytes = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_WriteRtf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Opening and saving through files, as the editor does.
void BM_OpenRtfFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.rtf");
  QTextDocument source;
  rtf::ReadRtf(OneMegabyte(), source);
  if (!rtf::SaveRtfFile(path, source)) state.SkipWithError("cannot write the test file");
  for (auto _ : state) {
    QTextDocument doc;
    rtf::LoadRtfFile(path, doc);
    benchmark::DoNotOptimize(doc.characterCount());
  }
}
BENCHMARK(BM_OpenRtfFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_SaveRtfFile(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.filePath("doc.rtf");
  QTextDocument doc;
  rtf::ReadRtf(OneMegabyte(), doc);
  for (auto _ : state) {
    if (!rtf::SaveRtfFile(path, doc)) state.SkipWithError("cannot write the test file");
  }
}
BENCHMARK(BM_SaveRtfFile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // documents need Qt's font handling
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  std::fprintf(stderr, "RTF test document: %lld bytes\n", static_cast<long long>(OneMegabyte().size()));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
