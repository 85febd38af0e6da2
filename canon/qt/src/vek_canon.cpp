// vek-canon: builds canon.klx from a copy of the open Klingon dictionary data,
// and lists a canon file.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

#include "canon/datasetimport.h"
#include "canon/entrydb.h"

namespace {

constexpr char kUsage[] =
    "usage: vek-canon import DATAFOLDER canon.klx   sentences of the dictionary data, with sources\n"
    "       vek-canon list canon.klx                one line per sentence: Klingon, English, source\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

// Tabs and line breaks inside a field would break the listing's columns.
QByteArray Field(const std::string& s) {
  QByteArray b = QByteArray::fromStdString(s);
  b.replace('\t', ' ').replace('\n', ' ').replace('\r', ' ');
  return b;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args == QStringList{"--help"}) {
    std::fputs(kUsage, stdout);
    return 0;
  }
  if (args.size() == 3 && args[0] == "import") {
    CEntryDB db;
    QString error;
    CDataSetImportStats stats;
    if (!ImportCanonFromDataSet(args[1], db, error, &stats)) {
      std::fprintf(stderr, "vek-canon: %s\n", qPrintable(error));
      return 1;
    }
    if (db.GetCount() == 0) {
      std::fprintf(stderr, "vek-canon: %s: no sentence with a source was found; nothing written\n",
                   qPrintable(args[1]));
      return 1;
    }
    if (!db.SaveFile(args[2].toStdString())) {
      std::fprintf(stderr, "vek-canon: %s\n", db.GetLastError().c_str());
      return 1;
    }
    std::printf("%d sentences written to %s (%d sentence entries; left out: %d without a source, "
                "%d templates or rejected forms)\n",
                stats.nImported, qPrintable(args[2]), stats.nSentences, stats.nNoSource,
                stats.nTemplates);
    return 0;
  }
  if (args.size() == 2 && args[0] == "list") {
    CEntryDB db;
    if (!db.LoadFile(args[1].toStdString())) {
      std::fprintf(stderr, "vek-canon: %s\n", db.GetLastError().c_str());
      return 1;
    }
    for (const CCanonEntry& e : db.GetEntries())
      std::printf("%s\t%s\t%s\n", Field(e.m_strKlingon).constData(), Field(e.m_strEnglish).constData(),
                  Field(e.m_strSource).constData());
    return 0;
  }
  return Usage();
}
