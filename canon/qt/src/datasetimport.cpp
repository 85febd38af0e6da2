#include "canon/datasetimport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include "canon/entrydb.h"

namespace {

// Tags after "sen:" that mark entries which are not quotations as they stand.
bool IsLeftOut(const QString& pos) {
  static const QStringList kTags = {"tmpl", "rej", "hyp"};
  const QStringList tags = pos.section(':', 1).split(',', Qt::SkipEmptyParts);
  for (const QString& t : tags)
    if (kTags.contains(t)) return true;
  return false;
}

bool IsSentence(const QString& pos) { return pos == "sen" || pos.startsWith("sen:"); }

}  // namespace

QString PlainDataSetText(const QString& strMarkedUp) {
  static const QRegularExpression kLink("\\{([^{}:]*)(?::[^{}]*)?\\}");
  static const QRegularExpression kNumber("\\[\\d+\\]\\s*");
  static const QRegularExpression kSpaces("\\s+");
  QString text = strMarkedUp;
  text.replace(kLink, "\\1");
  text.replace(kNumber, "");
  text.replace(kSpaces, " ");
  return text.trimmed();
}

bool ImportCanonFromDataSet(const QString& strFolder, CEntryDB& db, QString& strError,
                            CDataSetImportStats* pStats) {
  const QDir dir(strFolder);
  if (!dir.exists()) {
    strError = strFolder + ": no such folder";
    return false;
  }
  const QStringList files = dir.entryList({"mem-*.xml"}, QDir::Files, QDir::Name);
  if (files.isEmpty()) {
    strError = strFolder + ": no mem-*.xml files; is this a copy of the dictionary data?";
    return false;
  }
  QByteArray xml;
  for (const QString& name : files) {
    QFile f(dir.filePath(name));
    if (!f.open(QIODevice::ReadOnly)) {
      strError = f.fileName() + ": " + f.errorString();
      return false;
    }
    xml += f.readAll();
    xml += '\n';
  }

  CEntryDB result;
  CDataSetImportStats stats;
  QXmlStreamReader reader(xml);
  bool sawDatabase = false;
  while (!reader.atEnd()) {
    reader.readNext();
    if (!reader.isStartElement()) continue;
    if (reader.name() == u"database") sawDatabase = true;
    if (reader.name() != u"table" || reader.attributes().value("name") != u"mem") continue;
    QString name, pos, definition, source;
    while (reader.readNextStartElement()) {
      if (reader.name() != u"column") {
        reader.skipCurrentElement();
        continue;
      }
      const QString column = reader.attributes().value("name").toString();
      const QString value = reader.readElementText(QXmlStreamReader::SkipChildElements);
      if (column == "entry_name") name = value;
      else if (column == "part_of_speech") pos = value;
      else if (column == "definition") definition = value;
      else if (column == "source") source = value;
    }
    if (!IsSentence(pos)) continue;
    ++stats.nSentences;
    if (IsLeftOut(pos)) {
      ++stats.nTemplates;
      continue;
    }
    const QString klingon = PlainDataSetText(name), english = PlainDataSetText(definition),
                  cited = PlainDataSetText(source);
    if (cited.isEmpty()) {
      ++stats.nNoSource;
      continue;
    }
    if (klingon.isEmpty()) continue;
    result.Add({klingon.toStdString(), english.toStdString(), cited.toStdString()});
    ++stats.nImported;
  }
  if (reader.hasError()) {
    strError = QString("%1: damaged XML near line %2 of the joined mem-*.xml files: %3")
                   .arg(strFolder)
                   .arg(reader.lineNumber())
                   .arg(reader.errorString());
    return false;
  }
  if (!sawDatabase) {
    strError = strFolder + ": the mem-*.xml files hold no <database>";
    return false;
  }
  db = std::move(result);
  if (pStats) *pStats = stats;
  return true;
}
