// The lexicon tools on the shipped lexicon (build/bin/lexicon.klx, or the file
// named by VEK_BENCH_LEXICON): "*" with "any type" in the search window,
// opening the lexicon editor, and saving the lexicon after one edit.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include "datafile/lexiconfile.h"
#include "lexiconeditordlg.h"
#include "searchlexicondlg.h"

namespace {

CKLex& Shipped() {
  static CKLex lex = [] {
    CKLex l;
    std::string error;
    const QString path = qEnvironmentVariableIsEmpty("VEK_BENCH_LEXICON")
                             ? QString(VEK_SHIPPED_LEXICON)
                             : qEnvironmentVariable("VEK_BENCH_LEXICON");
    if (!datafile::LoadLexiconFile(path.toStdString(), l, error)) qFatal("%s", error.c_str());
    return l;
  }();
  return lex;
}

void BM_SearchEverything(benchmark::State& state) {
  CSearchLexiconDlg dlg;
  dlg.m_pLexicon = &Shipped();
  dlg.Create();
  for (auto _ : state) {
    dlg.m_btnClear->click();
    dlg.m_comboType->setCurrentText("any type");
    dlg.m_editFind->setText("*");
    dlg.m_btnSearch->click();
  }
  state.counters["rows"] = dlg.m_listResults->topLevelItemCount();
  state.counters["entries"] = double(Shipped().GetCount());
}

void BM_OpenEditor(benchmark::State& state) {
  for (auto _ : state) {
    CLexiconEditorDlg editor;
    editor.m_pLexicon = &Shipped();
    // Up and drawn once, then closed.
    QTimer::singleShot(0, &editor, &QDialog::accept);
    editor.exec();
    benchmark::DoNotOptimize(editor.m_listWords->topLevelItemCount());
  }
}

void BM_SaveAfterEdit(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("lexicon.klx").toStdString();
  CKLex& lex = Shipped();
  const std::string key = lex.begin()->first;
  int n = 0;
  for (auto _ : state) {
    CKWord w = *lex.Lookup(key);
    w.m_strNotes = "edit " + std::to_string(++n);
    lex.SetAt(key, w);
    std::string error;
    if (!datafile::SaveLexiconFile(path, lex, error)) state.SkipWithError(error.c_str());
  }
}

}  // namespace

BENCHMARK(BM_SearchEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveAfterEdit)->Unit(benchmark::kMillisecond);
