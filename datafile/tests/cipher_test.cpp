#include <gtest/gtest.h>

#include "datafile/datafilecipher.h"
#include "testutil.h"

using datafile::CDataFileCipher;
using namespace datafile::test;

namespace {

// Byte i of the reference plaintext of length n is (7i + 3) mod 256.
std::string Pattern(size_t n) {
  std::string s(n, '\0');
  for (size_t i = 0; i < n; ++i) s[i] = static_cast<char>((i * 7 + 3) % 256);
  return s;
}

// Encrypts Pattern(n) through a real file, checks that it decrypts back and
// that the in-memory transform gives the same bytes, and returns the file.
std::string EncryptedFile(size_t n) {
  CScratchDir dir;
  const std::string path = dir.File("data.klx");
  CDataFileCipher cipher;
  std::string error, decrypted, whole;
  EXPECT_EQ(cipher.EncryptFromMemory(path, Pattern(n), error), 1) << error;
  EXPECT_EQ(cipher.DecryptToMemory(path, decrypted, error), 1) << error;
  EXPECT_EQ(decrypted, Pattern(n));
  EXPECT_EQ(dir.Listing(), "data.klx");
  EXPECT_TRUE(cipher.EncryptBytes(Pattern(n), CDataFileCipher::kDefaultPassphrase, whole, error));
  const std::string file = ReadAll(path);
  EXPECT_EQ(whole, file);
  return file;
}

}  // namespace

TEST(DataFileCipher, KnownAnswers) {
  const auto rows = Rows("cipher_kat.txt");
  ASSERT_EQ(rows.size(), 7u);
  for (const auto& row : rows) EXPECT_EQ(Hex(EncryptedFile(std::stoul(row.at(0)))), row.at(1)) << row[0];
  EncryptedFile(25 * 1000 + 13);  // many chunks, one stream
}

TEST(DataFileCipher, WrongKeyOrDamagedLengthIsRefusedAndKeepsTheBuffer) {
  CScratchDir dir;
  const std::string path = dir.File("lessons.klx");
  CDataFileCipher cipher;
  std::string error, out;
  ASSERT_EQ(cipher.EncryptFromMemory(path, Pattern(100), "teacher", error), 1);
  // The passphrase counts up to its first NUL.
  EXPECT_EQ(cipher.DecryptToMemory(path, out, std::string_view("teacher\0junk", 12), error), 1);
  EXPECT_EQ(out, Pattern(100));

  out = "unchanged";
  EXPECT_EQ(cipher.DecryptToMemory(path, out, error), 0);
  EXPECT_EQ(out, "unchanged");
  EXPECT_NE(error.find("damaged or was written with another key"), std::string::npos) << error;

  for (size_t n : {0u, 1u, 7u, 9u, 999u, 1001u, 1007u}) {
    WriteAll(path, Pattern(n));
    EXPECT_EQ(cipher.DecryptToMemory(path, out, error), 0) << n;
    EXPECT_EQ(out, "unchanged");
    EXPECT_NE(error.find("not a whole number of 8-byte blocks"), std::string::npos) << error;
  }
}

// Dropping the pad block of an encrypted stream leaves a ciphertext whose
// last block decrypts to bytes we choose, so each padding rule can be hit.
TEST(DataFileCipher, ChecksEveryPaddingRule) {
  const auto rows = Rows("cipher_padding.txt");
  ASSERT_EQ(rows.size(), 7u);
  CDataFileCipher cipher;
  for (const auto& row : rows) {
    const std::string plain = "12345678" + FromHex(row.at(0));
    const bool ok = row.at(1) == "1";
    std::string enc, dec = "unchanged", error;
    ASSERT_TRUE(cipher.EncryptBytes(plain, "k", enc, error));
    enc.resize(16);
    EXPECT_EQ(cipher.DecryptBytes(enc, "k", dec, error), ok) << row.at(3);
    EXPECT_EQ(dec, ok ? plain.substr(0, 8 + std::stoul(row.at(2))) : "unchanged") << row[3];
  }
}

// Without a key nothing is opened: the old file stays, no temporary is left,
// and a missing file is not even looked at.
TEST(DataFileCipher, KeyFailureLeavesFilesAlone) {
  struct CBrokenProvider : CDataFileCipher {
    bool AcquireKey(std::string_view, std::string& error) override {
      error = "Unable to initialize cryptography.  Reason:\n\nno provider";
      return false;
    }
  } cipher;
  CScratchDir dir;
  WriteAll(dir.File("lexicon.klx"), "old contents");
  std::string error, out;
  EXPECT_EQ(cipher.EncryptFromMemory(dir.File("lexicon.klx"), "new", error), 0);
  EXPECT_EQ(error, "Unable to initialize cryptography.  Reason:\n\nno provider");
  EXPECT_EQ(ReadAll(dir.File("lexicon.klx")), "old contents");
  EXPECT_EQ(dir.Listing(), "lexicon.klx");
  error.clear();
  EXPECT_EQ(cipher.DecryptToMemory(dir.File("missing.klx"), out, error), 0);
  EXPECT_EQ(error, "Unable to initialize cryptography.  Reason:\n\nno provider");
}
