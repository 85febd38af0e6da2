#pragma once
// Canon sentences from a checkout of the open Klingon dictionary data: its
// mem-*.xml files, joined in name order, hold one <table name="mem"> per entry.
// Sentence entries (part of speech "sen" or "sen:...") that name a source
// become canon entries: the Klingon text, the English definition and the
// source citation, with the data's {word:tag} link markup made plain.
#include <QString>

class CEntryDB;

struct CDataSetImportStats {
  int nSentences = 0;  // sentence entries seen
  int nImported = 0;
  int nNoSource = 0;   // left out: no citation
  int nTemplates = 0;  // left out: templates, rejected or hypothetical forms
};

// Replaces `db` with the sentences of the data set in `strFolder`. On a
// missing folder, missing files or damaged XML returns false with the reason
// in `strError` and leaves `db` as it was.
bool ImportCanonFromDataSet(const QString& strFolder, CEntryDB& db, QString& strError,
                            CDataSetImportStats* pStats = nullptr);

// "[1] {TKD p.172:src}, [2] {PK:src}" -> "TKD p.172, PK".
QString PlainDataSetText(const QString& strMarkedUp);
