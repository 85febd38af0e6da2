// How long the program waits for its lexicon at start-up: reading and
// decrypting lexicon.klx into the store.
//   build/bin/lexicon_load_bench [--lexicon FILE]   (default: lexicon.klx beside it)
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "datafile/lexiconfile.h"

namespace {

std::string g_path;

void BM_LoadLexicon(benchmark::State& state) {
  size_t count = 0;
  for (auto _ : state) {
    CKLex lex;
    std::string error;
    if (!datafile::LoadLexiconFile(g_path, lex, error)) {
      state.SkipWithError(error.c_str());
      return;
    }
    count = lex.GetCount();
    benchmark::DoNotOptimize(lex);
  }
  state.counters["entries"] = static_cast<double>(count);
}
BENCHMARK(BM_LoadLexicon)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  g_path = (std::filesystem::canonical("/proc/self/exe").parent_path() / "lexicon.klx").string();
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--lexicon") == 0) g_path = argv[i + 1];
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
