#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "canon/canoneditordlg.h"
#include "canon/canonsearchdlg.h"
#include "canon/datasetimport.h"
#include "canon/entrydb.h"
#include "modalanswer.h"

namespace {

const QString kDataSet = CANON_FIXTURES "/dataset";

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A copy of the sample data set that a test may damage.
void CopyDataSet(const QString& to) {
  for (const QString& name : QDir(kDataSet).entryList(QDir::Files))
    ASSERT_TRUE(QFile::copy(kDataSet + "/" + name, to + "/" + name));
}

CEntryDB Imported() {
  CEntryDB db;
  QString error;
  EXPECT_TRUE(ImportCanonFromDataSet(kDataSet, db, error)) << error.toStdString();
  return db;
}

}  // namespace

TEST(CanonImport, SentencesWithTheirSourcesComeFromTheDataSet) {
  CEntryDB db;
  QString error;
  CDataSetImportStats stats;
  ASSERT_TRUE(ImportCanonFromDataSet(kDataSet, db, error, &stats)) << error.toStdString();
  const std::vector<CCanonEntry> expected = {
      {"bIQ vItlhutlh.", "I drink bIQ (water).", "Sample Book p.12, Sample Tape"},
      {"Soj vISop & bIQ vItlhutlh.", "I eat food & drink water.", "Sample Book p.14"},
      {"Qapla'!", "Success!", "Sample Card"},
      {"jISop vIneH.", "I want to eat.", "Sample Book p.30 (Sample List 2020.01.02)"},
  };
  EXPECT_EQ(db.GetEntries(), expected);
  EXPECT_EQ(stats.nSentences, 6);
  EXPECT_EQ(stats.nImported, 4);
  EXPECT_EQ(stats.nNoSource, 1);
  EXPECT_EQ(stats.nTemplates, 1);
}

// A missing folder, one without the data files, and damaged XML: each is
// refused with its reason and the database keeps what it had.
TEST(CanonImport, DamagedDataSetsAreRefused) {
  QTemporaryDir dir;
  const QString damaged = dir.filePath("damaged"), empty = dir.filePath("empty"),
                unclosed = dir.filePath("unclosed");
  for (const QString& d : {damaged, empty, unclosed}) ASSERT_TRUE(QDir().mkpath(d));
  CopyDataSet(damaged);
  const QByteArray b = ReadBytes(damaged + "/mem-01-b.xml");
  ASSERT_TRUE(WriteBytes(damaged + "/mem-01-b.xml", b.left(b.size() / 2)));
  CopyDataSet(unclosed);
  ASSERT_TRUE(QFile::remove(unclosed + "/mem-29-footer.xml"));
  const struct {
    QString folder, reason;
  } cases[] = {
      {dir.filePath("missing"), "no such folder"},
      {empty, "no mem-*.xml files"},
      {damaged, "damaged XML"},
      {unclosed, "damaged XML"},
  };
  for (const auto& c : cases) {
    CEntryDB db;
    db.Add({"Qapla'", "Success!", "mine"});
    QString error;
    EXPECT_FALSE(ImportCanonFromDataSet(c.folder, db, error)) << c.folder.toStdString();
    EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
    EXPECT_EQ(db.GetCount(), 1u);
  }
}

// The Search Canon window: an empty database explains how to fill it; a
// word is found inside inflected words, or only whole with the check box.
TEST(CanonSearchWindow, FindsWordsAndExplainsAnEmptyCanon) {
  CEntryDB empty;
  CCanonSearch none(empty);
  none.SetWord("Sop");
  none.Search();
  EXPECT_TRUE(none.GetStatusText().startsWith("The canon database is empty."));
  EXPECT_TRUE(none.GetStatusText().contains("vek-canon import"));

  const CEntryDB db = Imported();
  CCanonSearch dlg(db);
  const struct {
    QString word;
    bool whole;
    int rows;
    QString status;
  } cases[] = {
      {"Sop", false, 2, ""},
      {"Sop", true, 0, "No canon sentence holds \"Sop\"."},
      {"vISop", true, 1, ""},
      {"sop", false, 0, "No canon sentence holds \"sop\"."},
      {"bIQ vItlhutlh", true, 2, ""},
  };
  for (const auto& c : cases) {
    dlg.SetWholeWords(c.whole);
    dlg.SetWord(c.word);
    dlg.Search();
    EXPECT_EQ(dlg.GetResultCount(), c.rows) << c.word.toStdString() << " " << c.whole;
    EXPECT_EQ(dlg.GetStatusText(), c.status) << c.word.toStdString();
  }
  dlg.SetWholeWords(false);
  dlg.SetWord("Sop");
  dlg.Search();
  auto* results = dlg.findChild<QTreeWidget*>("results");
  ASSERT_EQ(results->topLevelItemCount(), 2);
  EXPECT_EQ(results->topLevelItem(1)->text(0), "jISop vIneH.");
  EXPECT_EQ(results->topLevelItem(1)->text(2), "Sample Book p.30 (Sample List 2020.01.02)");

  // The call the Find in Canon buttons use: modal, already searched.
  int rows = -1;
  bool modal = false;
  CModalAnswerer answerer(QList<CModalStep>{{"Search Canon", "Close", [&](QWidget* w) {
                              modal = w->isModal();
                              rows = static_cast<CCanonSearch*>(w)->GetResultCount();
                            }}});
  FindInCanon(nullptr, db, "tlhutlh");
  EXPECT_TRUE(answerer.Done());
  EXPECT_TRUE(modal);
  EXPECT_EQ(rows, 2);
}

// The Canon Editor adds, changes and removes sentences and saves them on OK;
// a damaged canon file is reported and left as it is.
TEST(CanonEditor, EditsAreSavedAndDamagedFilesLeftAlone) {
  QTemporaryDir dir;
  const QString path = dir.filePath("canon.klx");
  CEntryDB db = Imported();
  ASSERT_TRUE(db.SaveFile(path.toStdString()));
  auto fill = [](const QString& k, const QString& e, const QString& s) {
    return [=](QWidget* w) {
      w->findChild<QLineEdit*>("klingon")->setText(k);
      w->findChild<QLineEdit*>("english")->setText(e);
      w->findChild<QLineEdit*>("source")->setText(s);
    };
  };
  CModalAnswerer answerer(QList<CModalStep>{
      {"Canon Editor", "", [&](QWidget* w) {
         auto* dlg = static_cast<CCanonEditorDlg*>(w);
         auto click = [&](const char* id) { dlg->findChild<QPushButton*>(id)->click(); };
         dlg->SetCurrentRow(0);
         click("delete");
         dlg->SetCurrentRow(0);
         click("edit");
         click("add");
         click("add");
         w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
       }},
      {"Canon Editor", "Yes"},
      {"Edit Canon Sentence", "OK", fill("Soj vISop.", "I eat food.", "mine")},
      {"Add Canon Sentence", "OK", fill("", "nothing", "")},
      {"Add Canon Sentence", "OK"},
      {"Add Canon Sentence", "OK", fill("  nuqneH  ", "Hello.", "")},
      {"Add Canon Sentence", "Cancel"},
  });
  ASSERT_TRUE(EditCanonDB(db, path.toStdString(), nullptr));
  EXPECT_TRUE(answerer.Done()) << answerer.m_seen.join(" | ").toStdString();
  EXPECT_TRUE(answerer.m_seen.contains("Canon Editor: Really delete bIQ vItlhutlh.?"));
  EXPECT_TRUE(answerer.m_seen.contains("Add Canon Sentence: Please type the Klingon text of the sentence."));
  const std::vector<CCanonEntry> expected = {
      {"Soj vISop.", "I eat food.", "mine"},
      {"Qapla'!", "Success!", "Sample Card"},
      {"jISop vIneH.", "I want to eat.", "Sample Book p.30 (Sample List 2020.01.02)"},
      {"nuqneH", "Hello.", ""},
  };
  EXPECT_EQ(db.GetEntries(), expected);
  CEntryDB back;
  ASSERT_TRUE(back.LoadFile(path.toStdString()));
  EXPECT_EQ(back.GetEntries(), expected);

  const QByteArray good = ReadBytes(path);
  const QByteArray damaged = good.left(good.size() - 3);
  ASSERT_TRUE(WriteBytes(path, damaged));
  CModalAnswerer refused(QList<CModalStep>{{"Canon Editor", "OK"}});
  EXPECT_FALSE(EditCanonDB(db, path.toStdString(), nullptr));
  ASSERT_EQ(refused.m_seen.size(), 1);
  EXPECT_TRUE(refused.m_seen[0].startsWith("Canon Editor: The canon file cannot be read"));
  EXPECT_EQ(ReadBytes(path), damaged);
  EXPECT_EQ(db.GetEntries(), expected);
}
