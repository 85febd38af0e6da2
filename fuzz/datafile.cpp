// The encrypted container: any bytes decrypt or are refused without harm, and
// any plaintext survives encryption and decryption unchanged.
#include <cstdlib>
#include <string>
#include <string_view>

#include "datafile/datafilecipher.h"
#include "datafile/lexiconfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view key = CDataFileCipher::kDefaultPassphrase;
  CDataFileCipher cipher;
  std::string plain, error;
  if (cipher.DecryptBytes(bytes, key, plain, error)) {
    CKLex lex;
    std::string why;
    datafile::ReadLexiconArchive(plain, lex, why);
  }

  std::string sealed, back;
  if (!cipher.EncryptBytes(bytes, key, sealed, error)) abort();
  if (sealed.size() % 8 != 0 || sealed.size() <= bytes.size()) abort();
  if (!cipher.DecryptBytes(sealed, key, back, error) || back != bytes) abort();
  return 0;
}
