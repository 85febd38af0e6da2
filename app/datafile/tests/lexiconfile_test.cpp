#include <cerrno>
#include <gtest/gtest.h>

#include "datafile/atomicfile.h"
#include "datafile/datafilecipher.h"
#include "datafile/lexiconfile.h"
#include "testutil.h"
#include "wordbank/archive.h"
#include "wordbank/lextsv.h"

using namespace datafile;
using namespace datafile::test;

namespace {

// Keys given explicitly where Add would choose another; every column in use,
// escapes and Windows-1252 letters included.
const char kTsv[] =
    "key\tword\tpos\tdefinition\tnotes\tbeing\tbodypart\tinherentplural\tirregular\t"
    "irregularform\tstative\tsynonyms\tantonyms\tscore\texcluded\n"
    "\tjagh\tnoun\tenemy\t\t1\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tghIH\tverb\tbe messy\t\t0\t0\t0\t0\t\t1\t\t\t3\t0\n"
    "\tchal\tnoun\tsky\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tghu'\tnoun\tbaby\t\t1\t0\t0\t1\tmucha'\t0\t\t\t0\t0\n"
    "\tjIH\tpronoun\tI, me\tnote with\\ttab and \\\\ and caf\xC3\xA9\t0\t0\t0\t0\t\t0\t\t\t5\t1\n"
    "\tnIv\tverb\tbe superior\t\t0\t0\t0\t0\t\t1\tQaq\tqab\t0\t0\n"
    "\tqab\tverb\tbe bad\t\t0\t0\t0\t0\t\t1\t\tnIv|QaQ\t0\t0\n"
    "\tQaQ\tverb\tbe good\t\t0\t0\t0\t0\t\t1\tnIv\tqab\t0\t0\n"
    "Qaq:7\tQaq\tverb\tbe neat\tkey chosen by hand\t0\t0\t0\t0\t\t1\t\t\t0\t0\n"
    "\tvagh\tnumber\tfive\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tghIq\tconj\tthen\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tnuqneH\texcl\twhat do you want?\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tnuq\tques\twhat\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n"
    "\tDaH\tadverb\tnow\t\t0\t0\t0\t0\t\t0\t\t\t0\t0\n";

CKLex SampleLexicon() {
  CKLex lex;
  std::string error;
  if (!wordbank::ReadLexiconTsv(kTsv, lex, error)) ADD_FAILURE() << error;
  return lex;
}

CKLex Marker() {
  CKLex lex;
  CKWord w;
  w.m_strWord = "marker";
  lex.Add(w);
  return lex;
}

std::string TsvOf(const CKLex& lex) { return wordbank::WriteLexiconTsv(lex); }

// A plaintext of our choosing inside a valid container.
void WriteContainer(const std::string& path, const std::string& plain) {
  CDataFileCipher cipher;
  std::string error;
  ASSERT_EQ(cipher.EncryptFromMemory(path, plain, error), 1) << error;
}

std::string ArchiveOf(CKLex lex) {
  CArchive ar;
  lex.Serialize(ar);
  return ar.TakeBuffer();
}

// The loader's path without the disk, for tests that try many damaged files.
bool LoadBytes(const std::string& fileBytes, CKLex& lex, std::string& error) {
  CDataFileCipher cipher;
  std::string plain;
  return cipher.DecryptBytes(fileBytes, CDataFileCipher::kDefaultPassphrase, plain, error) &&
         ReadLexiconArchive(plain, lex, error);
}

int FailingRename(const char*, const char*) {
  errno = EIO;
  return -1;
}

}  // namespace

TEST(LexiconFile, TsvThroughKlxComesBackIdentical) {
  ASSERT_EQ(TsvOf(SampleLexicon()), kTsv);
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  CKLex lex = SampleLexicon();
  std::string error;
  ASSERT_TRUE(SaveLexiconFile(path, lex, error)) << error;
  CKLex loaded = Marker();
  ASSERT_TRUE(LoadLexiconFile(path, loaded, error)) << error;
  EXPECT_EQ(TsvOf(loaded), kTsv);
  EXPECT_EQ(loaded.Lookup("jIH")->m_strNotes, "note with\ttab and \\ and caf\xC3\xA9");
  EXPECT_EQ(dir.Listing(), "lexicon.klx");
}

TEST(LexiconFile, EmptyLexiconRoundTrips) {
  CScratchDir dir;
  CKLex empty;
  std::string error;
  ASSERT_TRUE(SaveLexiconFile(dir.File("l.klx"), empty, error));
  CKLex loaded = Marker();
  ASSERT_TRUE(LoadLexiconFile(dir.File("l.klx"), loaded, error)) << error;
  EXPECT_TRUE(loaded.IsEmpty());
}

TEST(LexiconFile, FailuresLeaveTheLexiconAsItWas) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  const std::string before = TsvOf(Marker());
  auto expectFailure = [&](const std::string& what, const std::string& fragment) {
    SCOPED_TRACE(what);
    CKLex lex = Marker();
    std::string error;
    EXPECT_FALSE(LoadLexiconFile(path, lex, error));
    EXPECT_NE(error.find(fragment), std::string::npos) << error;
    EXPECT_EQ(TsvOf(lex), before);
  };

  expectFailure("missing", "No such file");

  CDataFileCipher cipher;
  std::string error;
  ASSERT_EQ(cipher.EncryptFromMemory(path, ArchiveOf(SampleLexicon()), "another key", error), 1);
  expectFailure("other passphrase", "another key");

  WriteContainer(path, "");
  expectFailure("empty plaintext", "The lexicon file " + path + " is damaged");

  WriteContainer(path, ArchiveOf(SampleLexicon()) + "x");
  expectFailure("trailing bytes", "1 bytes follow the last entry");

  CKLex odd = SampleLexicon();
  odd.Lookup("nuq")->m_nPos = 8;
  WriteContainer(path, ArchiveOf(odd));
  expectFailure("part of speech 8", "\"nuq\" has an impossible part of speech");

  odd = SampleLexicon();
  odd.Lookup("ghIH")->m_bStative = 2;
  WriteContainer(path, ArchiveOf(odd));
  expectFailure("stative 2", "\"ghIH\" has an impossible stative flag");
}

TEST(LexiconFile, RefusesToSaveWhatCouldNotBeLoaded) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  CKLex lex = Marker();
  std::string error;
  ASSERT_TRUE(SaveLexiconFile(path, lex, error));
  const std::string old = ReadAll(path);
  CKLex odd = SampleLexicon();
  odd.Lookup("jagh")->m_bBeing = -1;
  EXPECT_FALSE(SaveLexiconFile(path, odd, error));
  EXPECT_EQ(error, "The lexicon was not saved: the entry \"jagh\" has an impossible being flag.");
  EXPECT_EQ(ReadAll(path), old);
}

TEST(LexiconFile, EveryTruncationFails) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  CKLex sample = SampleLexicon();
  std::string error;
  ASSERT_TRUE(SaveLexiconFile(path, sample, error));
  const std::string bytes = ReadAll(path);
  for (size_t n = 0; n < bytes.size(); ++n) {
    CKLex lex = Marker();
    ASSERT_FALSE(LoadBytes(bytes.substr(0, n), lex, error)) << "cut at " << n;
    ASSERT_EQ(lex.GetCount(), 1u);
  }
  WriteAll(path, bytes.substr(0, bytes.size() - 8));
  CKLex lex = Marker();
  EXPECT_FALSE(LoadLexiconFile(path, lex, error));
  EXPECT_EQ(lex.GetCount(), 1u);
}

// The container has no checksum of its own: a flipped bit garbles one 8-byte
// block and one bit of the next. The padding, the archive and the entry checks
// catch most of it; a flip inside a text can only give a wrong text.
TEST(LexiconFile, FlippedBitsNeverCrashAndAreMostlyCaught) {
  CKLex sample = SampleLexicon();
  CDataFileCipher cipher;
  std::string bytes, error;
  ASSERT_TRUE(cipher.EncryptBytes(ArchiveOf(sample), CDataFileCipher::kDefaultPassphrase, bytes,
                                  error));
  const std::string before = TsvOf(Marker());
  size_t caught = 0, tried = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit) {
      std::string flipped = bytes;
      flipped[i] = static_cast<char>(flipped[i] ^ (1 << bit));
      CKLex lex = Marker();
      ++tried;
      if (!LoadBytes(flipped, lex, error)) {
        ++caught;
        ASSERT_EQ(TsvOf(lex), before);
        ASSERT_FALSE(error.empty());
      } else {
        ASSERT_TRUE(CheckLexicon(lex, error)) << error;
        ASSERT_NE(TsvOf(lex), TsvOf(sample)) << "a flip at " << i << " changed nothing";
      }
    }
  }
  RecordProperty("caught", std::to_string(caught) + "/" + std::to_string(tried));
  EXPECT_GT(caught * 10, tried * 9) << caught << " of " << tried;
}

TEST(LexiconFile, InterruptedSaveKeepsTheOldLexicon) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  CKLex lex = Marker();
  std::string error;
  ASSERT_TRUE(SaveLexiconFile(path, lex, error));
  const std::string old = ReadAll(path);

  CKLex sample = SampleLexicon();
  RenameFunction previous = SetRenameFunction(&FailingRename);
  const bool saved = SaveLexiconFile(path, sample, error);
  SetRenameFunction(previous);
  EXPECT_FALSE(saved);
  EXPECT_NE(error.find("Input/output error"), std::string::npos) << error;
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(dir.Listing(), "lexicon.klx");
  CKLex loaded;
  ASSERT_TRUE(LoadLexiconFile(path, loaded, error)) << error;
  EXPECT_EQ(TsvOf(loaded), TsvOf(Marker()));
}
