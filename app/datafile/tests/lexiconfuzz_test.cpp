// Random and mutated input for the lexicon loader: it must never crash, hang
// or half-load, whatever the bytes.
#include <gtest/gtest.h>
#include <random>

#include "datafile/datafilecipher.h"
#include "datafile/lexiconfile.h"
#include "wordbank/archive.h"

using namespace datafile;

namespace {

CKLex Seed() {
  CKLex lex;
  const char* words[][3] = {{"tlhIngan", "Klingon", "0"}, {"Hol", "language", "0"},
                            {"jatlh", "speak", "1"},      {"tIn", "be big", "1"},
                            {"maH", "ten", "4"},          {"'ej", "and", "5"}};
  for (auto& w : words) {
    CKWord k;
    k.m_strWord = w[0];
    k.m_strDefinition = w[1];
    k.m_nPos = w[2][0] - '0';
    k.m_bStative = k.m_strDefinition.rfind("be ", 0) == 0;
    k.m_lstSynonyms = {"Hol"};
    lex.Add(k);
  }
  return lex;
}

std::string Mutate(std::string s, std::mt19937& rng) {
  std::uniform_int_distribution<int> op(0, 4), byte(0, 255);
  const int edits = 1 + static_cast<int>(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    const size_t at = s.empty() ? 0 : rng() % s.size();
    switch (op(rng)) {
      case 0: if (!s.empty()) s[at] = static_cast<char>(byte(rng)); break;
      case 1: s.insert(at, 1, static_cast<char>(byte(rng))); break;
      case 2: if (!s.empty()) s.erase(at, 1 + rng() % 8); break;
      case 3: if (!s.empty()) s[at] = static_cast<char>(0xFF); break;  // long-length marker
      case 4: s.resize(at); break;
    }
  }
  return s;
}

void ExpectCleanOutcome(const std::string& fileBytes) {
  CKLex lex;
  CKWord marker;
  marker.m_strWord = "marker";
  lex.Add(marker);
  CDataFileCipher cipher;
  std::string plain, error;
  if (cipher.DecryptBytes(fileBytes, CDataFileCipher::kDefaultPassphrase, plain, error) &&
      ReadLexiconArchive(plain, lex, error)) {
    ASSERT_TRUE(CheckLexicon(lex, error)) << error;
  } else {
    ASSERT_FALSE(error.empty());
    ASSERT_EQ(lex.GetCount(), 1u);
    ASSERT_NE(lex.Lookup("marker"), nullptr);
  }
}

}  // namespace

// Mutations of the plaintext reach the archive reader; mutations of the file
// reach the container first.
TEST(LexiconFuzz, MutatedInputFailsCleanly) {
  CArchive ar;
  CKLex seed = Seed();
  seed.Serialize(ar);
  const std::string plain = ar.Buffer();
  CDataFileCipher cipher;
  std::string file, error;
  ASSERT_TRUE(cipher.EncryptBytes(plain, CDataFileCipher::kDefaultPassphrase, file, error));

  std::mt19937 rng(20261206);
  for (int i = 0; i < 20000; ++i) {
    std::string bytes;
    if (i % 3 == 2) {
      bytes = Mutate(file, rng);
    } else {
      ASSERT_TRUE(cipher.EncryptBytes(Mutate(plain, rng), CDataFileCipher::kDefaultPassphrase,
                                      bytes, error));
    }
    ASSERT_NO_FATAL_FAILURE(ExpectCleanOutcome(bytes)) << "iteration " << i;
  }
}

TEST(LexiconFuzz, RandomBytesFailCleanly) {
  std::mt19937 rng(7);
  for (int i = 0; i < 5000; ++i) {
    std::string bytes(rng() % 600, '\0');
    for (auto& c : bytes) c = static_cast<char>(rng());
    ASSERT_NO_FATAL_FAILURE(ExpectCleanOutcome(bytes)) << "iteration " << i;
  }
}
