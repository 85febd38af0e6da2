#include <gtest/gtest.h>
#include <random>

#include "datafile/datafilecipher.h"
#include "datafile/lexiconfile.h"
#include "testutil.h"
#include "wordbank/archive.h"
#include "wordbank/lextsv.h"

using namespace datafile;
using namespace datafile::test;

namespace {

// Every column in use, escapes and Windows-1252 letters included, and a key
// given where Add would choose another.
const std::string kTsv = ReadAll(DATAFILE_FIXTURES "/sample.tsv");

CKLex SampleLexicon() {
  CKLex lex;
  std::string error;
  EXPECT_TRUE(wordbank::ReadLexiconTsv(kTsv, lex, error)) << error;
  return lex;
}

// The lexicon a failed load must leave untouched.
CKLex Marker() {
  CKLex lex;
  lex.SetAt("marker", CKWord());
  return lex;
}

std::string TsvOf(const CKLex& lex) { return wordbank::WriteLexiconTsv(lex); }

std::string ArchiveOf(CKLex lex) {
  CArchive ar;
  lex.Serialize(ar);
  return ar.TakeBuffer();
}

std::string Encrypt(const std::string& plain) {
  CDataFileCipher cipher;
  std::string bytes, error;
  EXPECT_TRUE(cipher.EncryptBytes(plain, CDataFileCipher::kDefaultPassphrase, bytes, error));
  return bytes;
}

// The loader's path without the disk. Returns whether the bytes loaded; a
// failure must leave the marker and give a reason, a success a sound lexicon.
bool LoadsCleanly(const std::string& fileBytes, CKLex& lex) {
  lex = Marker();
  CDataFileCipher cipher;
  std::string plain, error;
  if (cipher.DecryptBytes(fileBytes, CDataFileCipher::kDefaultPassphrase, plain, error) &&
      ReadLexiconArchive(plain, lex, error)) {
    EXPECT_TRUE(CheckLexicon(lex, error)) << error;
    return true;
  }
  EXPECT_FALSE(error.empty());
  EXPECT_EQ(TsvOf(lex), TsvOf(Marker()));
  return false;
}

std::string Mutate(std::string s, std::mt19937& rng) {
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    const size_t at = s.empty() ? 0 : rng() % s.size();
    switch (rng() % 5) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(rng()); break;
      case 1: s.insert(at, 1, static_cast<char>(rng())); break;
      case 2: if (!s.empty()) s.erase(at, 1 + rng() % 8); break;
      case 3: if (!s.empty()) s[at] = static_cast<char>(0xFF); break;  // long-length marker
      case 4: s.resize(at); break;
    }
  }
  return s;
}

}  // namespace

TEST(LexiconFile, SaveAndLoadRoundTrip) {
  ASSERT_EQ(TsvOf(SampleLexicon()), kTsv);
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  std::string error;
  for (CKLex lex : {SampleLexicon(), CKLex()}) {
    ASSERT_TRUE(SaveLexiconFile(path, lex, error)) << error;
    CKLex loaded = Marker();
    ASSERT_TRUE(LoadLexiconFile(path, loaded, error)) << error;
    EXPECT_EQ(TsvOf(loaded), TsvOf(lex));
    EXPECT_EQ(dir.Listing(), "lexicon.klx");
  }
  // What could not be loaded back is not saved, and the old file stays.
  const std::string old = ReadAll(path);
  CKLex odd = SampleLexicon();
  CKWord jagh = *odd.Lookup("jagh");
  jagh.m_bBeing = -1;
  odd.SetAt("jagh", jagh);
  EXPECT_FALSE(SaveLexiconFile(path, odd, error));
  EXPECT_EQ(error, "The lexicon was not saved: the entry \"jagh\" has an impossible being flag.");
  EXPECT_EQ(ReadAll(path), old);
}

TEST(LexiconFile, FailuresLeaveTheLexiconAsItWas) {
  CScratchDir dir;
  const std::string path = dir.File("lexicon.klx");
  auto expectFailure = [&](const std::string& what, const std::string& fragment) {
    CKLex lex = Marker();
    std::string error;
    EXPECT_FALSE(LoadLexiconFile(path, lex, error)) << what;
    EXPECT_NE(error.find(fragment), std::string::npos) << what << ": " << error;
    EXPECT_EQ(TsvOf(lex), TsvOf(Marker())) << what;
  };
  expectFailure("missing", "No such file");
  CDataFileCipher cipher;
  std::string error;

  CKLex badPos = SampleLexicon(), badStative = SampleLexicon();
  CKWord nuq = *badPos.Lookup("nuq"), ghIH = *badStative.Lookup("ghIH");
  nuq.m_nPos = 8;
  ghIH.m_bStative = 2;
  badPos.SetAt("nuq", nuq);
  badStative.SetAt("ghIH", ghIH);
  const std::pair<std::string, std::string> damaged[] = {
      {"", "The lexicon file " + path + " is damaged"},
      {ArchiveOf(SampleLexicon()) + "x", "1 bytes follow the last entry"},
      {ArchiveOf(badPos), "\"nuq\" has an impossible part of speech"},
      {ArchiveOf(badStative), "\"ghIH\" has an impossible stative flag"},
  };
  for (const auto& [plain, fragment] : damaged) {
    ASSERT_EQ(cipher.EncryptFromMemory(path, plain, error), 1) << error;
    expectFailure(fragment, fragment);
  }
}

// The container has no checksum of its own: a flipped bit garbles one 8-byte
// block and one bit of the next. The padding, the archive and the entry checks
// catch most of it; a flip inside a text can only give a wrong text. No damage
// may crash, hang or half-load.
TEST(LexiconFile, DamagedBytesNeverCrashOrHalfLoad) {
  const std::string plain = ArchiveOf(SampleLexicon()), file = Encrypt(plain);
  CKLex lex;
  for (size_t n = 0; n < file.size(); ++n)
    ASSERT_FALSE(LoadsCleanly(file.substr(0, n), lex)) << "cut at " << n;

  size_t caught = 0, tried = 0;
  for (size_t i = 0; i < file.size(); ++i) {
    for (int bit = 0; bit < 8; ++bit, ++tried) {
      std::string flipped = file;
      flipped[i] = static_cast<char>(flipped[i] ^ (1 << bit));
      if (!LoadsCleanly(flipped, lex)) ++caught;
      else ASSERT_NE(TsvOf(lex), kTsv) << "a flip at " << i << " changed nothing";
    }
  }
  EXPECT_GT(caught * 10, tried * 9) << caught << " of " << tried;

  // Mutated plaintexts reach the archive reader; mutated files the container first.
  std::mt19937 rng(20261206);
  for (int i = 0; i < 20000; ++i) {
    LoadsCleanly(i % 3 == 2 ? Mutate(file, rng) : Encrypt(Mutate(plain, rng)), lex);
    std::string noise(rng() % 600, '\0');
    for (auto& c : noise) c = static_cast<char>(rng());
    if (i % 4 == 0) LoadsCleanly(noise, lex);
    ASSERT_FALSE(HasFailure()) << "iteration " << i;
  }
}
