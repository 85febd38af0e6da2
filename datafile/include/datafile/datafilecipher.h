#pragma once
// The encrypted container of the lexicon and lessons files: the whole
// plaintext stream, RC2-CBC encrypted with a key derived from an MD5 of a
// passphrase, PKCS#5 padded, nothing else in the file. The key is a 16-byte
// RC2 key (the first 5 digest bytes, then 11 zero bytes) with 40 effective
// bits, and the IV is zero, so files stay readable by the program's older
// releases.
#include <memory>
#include <string>
#include <string_view>

namespace datafile {

// Failure texts of key set-up, shown to the user as they stand.
inline constexpr const char* kMsgCryptoInit = "Unable to initialize cryptography.  Reason:\n\n%s";
inline constexpr const char* kMsgCreateHash = "Cannot create hash!";
inline constexpr const char* kMsgHashPassword = "Unable to hash licensing password!";
inline constexpr const char* kMsgCreateKey = "Unalbe to create key!";

}  // namespace datafile

class CDataFileCipher {
 public:
  // The built-in passphrase of the program's data files.
  static constexpr std::string_view kDefaultPassphrase = "{5C1E93B7-4A02-11d3-8F6D-2B7E04A19C55}";
  // Plaintext moves through in pieces of this size.
  static constexpr size_t kChunkSize = 1000;

  CDataFileCipher();
  virtual ~CDataFileCipher();
  CDataFileCipher(const CDataFileCipher&) = delete;
  CDataFileCipher& operator=(const CDataFileCipher&) = delete;

  // Decrypts the file at `path` into `memFile` (replacing its content).
  // Returns nonzero on success; on failure `memFile` is unchanged and `error`
  // says why (key set-up, unreadable file, or a length or padding that no
  // file of ours has: damage or another passphrase).
  int DecryptToMemory(const std::string& path, std::string& memFile, std::string& error);
  int DecryptToMemory(const std::string& path, std::string& memFile, std::string_view passphrase,
                      std::string& error);

  // Encrypts the whole of `memFile` into the file at `path`, replacing it
  // atomically. Returns nonzero on success; on failure the old file is intact.
  int EncryptFromMemory(const std::string& path, std::string_view memFile, std::string& error);
  int EncryptFromMemory(const std::string& path, std::string_view memFile,
                        std::string_view passphrase, std::string& error);

  // The same transforms without files.
  bool EncryptBytes(std::string_view plain, std::string_view passphrase, std::string& cipher,
                    std::string& error);
  bool DecryptBytes(std::string_view cipher, std::string_view passphrase, std::string& plain,
                    std::string& error);

  // Sets up the key for one transfer; false with one of the messages above.
  // The passphrase counts up to its first NUL byte, if any.
  virtual bool AcquireKey(std::string_view passphrase, std::string& error);
  // Wipes and drops the key; harmless when none is held.
  void ReleaseKey();

 protected:
  struct CKeyState;
  std::unique_ptr<CKeyState> m_pKey;

 private:
  // Runs the CBC stream over whole 8-byte blocks in place.
  void EncryptBlocks(char* data, size_t n);
  void DecryptBlocks(char* data, size_t n);
  // Checks and strips PKCS#5 padding; false when it is not valid.
  static bool StripPadding(std::string& plain);
};

namespace datafile {
using ::CDataFileCipher;
}  // namespace datafile
