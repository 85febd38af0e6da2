#include <gtest/gtest.h>
#include <nettle/sha2.h>

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

std::string Sha256Hex(const std::string& bytes) {
  sha256_ctx ctx;
  sha256_init(&ctx);
  sha256_update(&ctx, bytes.size(), reinterpret_cast<const uint8_t*>(bytes.data()));
  std::string digest(SHA256_DIGEST_SIZE, '\0');
  sha256_digest(&ctx, digest.size(), reinterpret_cast<uint8_t*>(digest.data()));
  return Hex(digest);
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

// Known answers cross-checked against independent RC2 implementations.
// 999, 1000 and 1001 bytes straddle the 1000-byte transfer chunk: the file
// must be one continuous CBC stream, and an exact chunk ends with a full pad block.
TEST(DataFileCipher, KnownAnswers) {
  const std::pair<size_t, const char*> kShort[] = {
      {0, "412b013827043ae4"},
      {1, "d96cf68dbdfd29ac"},
      {7, "1551aeaaecca0518"},
      {8, "af57621db56df0eeea41b9ca3869100b"},
  };
  for (const auto& [n, cipher] : kShort) EXPECT_EQ(Hex(EncryptedFile(n)), cipher) << n;

  struct Long { size_t length, cipherLength; const char *sha256, *first16, *last16; };
  const Long kLong[] = {
      {999, 1000, "68c0c7e134e9fcd38d46a18a8882b29db98614f70d1d0817d3c4e21120abc8d9",
       "af57621db56df0ee2413a197242fac51", "f51afc9f5de43d6b951ffc85df3f2e76"},
      {1000, 1008, "a93c8696fb5b4f93e2b601f71220decd145ec72781175c43585efaab909e24bd",
       "af57621db56df0ee2413a197242fac51", "ac53dad4a97dc967b4c2ab111b17373f"},
      {1001, 1008, "fb06f07b85296b930f4caee31774df88748bd7490473820ba2de95422e1afa00",
       "af57621db56df0ee2413a197242fac51", "ac53dad4a97dc967b6535d26ba50ab9f"},
  };
  for (const auto& v : kLong) {
    SCOPED_TRACE(v.length);
    const std::string file = EncryptedFile(v.length);
    ASSERT_EQ(file.size(), v.cipherLength);
    EXPECT_EQ(Sha256Hex(file), v.sha256);
    EXPECT_EQ(Hex(file.substr(0, 16)), v.first16);
    EXPECT_EQ(Hex(file.substr(file.size() - 16)), v.last16);
  }
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
  const std::tuple<const char*, bool, size_t> cases[] = {
      {"4142434445464700", false, 0},  // pad 0
      {"0909090909090909", false, 0},  // pad 9
      {"4142434445460302", false, 0},  // pad 2, but the byte before is 3
      {"0707070707070708", false, 0},  // pad 8, one byte differs
      {"4142434445464701", true, 7},
      {"4142434445460202", true, 6},
      {"0808080808080808", true, 0},
  };
  CDataFileCipher cipher;
  for (const auto& [lastBlock, ok, keep] : cases) {
    const std::string plain = "12345678" + FromHex(lastBlock);
    std::string enc, dec = "unchanged", error;
    ASSERT_TRUE(cipher.EncryptBytes(plain, "k", enc, error));
    enc.resize(16);
    EXPECT_EQ(cipher.DecryptBytes(enc, "k", dec, error), ok) << lastBlock;
    EXPECT_EQ(dec, ok ? plain.substr(0, 8 + keep) : "unchanged") << lastBlock;
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
