#include "datafile/datafilecipher.h"

#include <algorithm>
#include <cstring>
#include <nettle/arctwo.h>
#include <nettle/cbc.h>
#include <nettle/md5.h>
#include <nettle/version.h>
#include <unistd.h>

#include "datafile/atomicfile.h"
#include "fileio_p.h"

namespace datafile {
namespace {

constexpr size_t kBlock = ARCTWO_BLOCK_SIZE;
// The digest bytes that make the key; the rest of the 16-byte key is zero.
constexpr size_t kKeyDigestBytes = 5;
constexpr size_t kKeyBytes = 16;
constexpr unsigned kEffectiveKeyBits = 40;

// nettle's CBC wants a cipher function over a const context; arctwo's takes a
// mutable one, so adapt it here instead of casting the function type.
void Rc2Encrypt(const void* ctx, size_t n, uint8_t* dst, const uint8_t* src) {
  arctwo_encrypt(static_cast<arctwo_ctx*>(const_cast<void*>(ctx)), n, dst, src);
}
void Rc2Decrypt(const void* ctx, size_t n, uint8_t* dst, const uint8_t* src) {
  arctwo_decrypt(static_cast<arctwo_ctx*>(const_cast<void*>(ctx)), n, dst, src);
}

std::string Format(const char* pattern, const std::string& arg) {
  std::string out = pattern;
  const size_t at = out.find("%s");
  if (at != std::string::npos) out.replace(at, 2, arg);
  return out;
}

// The library we run with must be the one we were built for and give the
// published RC2 answers; otherwise every file would silently come out wrong.
bool CheckProvider(std::string& reason) {
  if (nettle_version_major() != NETTLE_VERSION_MAJOR) {
    reason = "the nettle library has version " + std::to_string(nettle_version_major()) + "." +
             std::to_string(nettle_version_minor()) + ", the program was built for version " +
             std::to_string(NETTLE_VERSION_MAJOR) + ".";
    return false;
  }
  static const bool rc2Ok = [] {
    const uint8_t key[16] = {0x88, 0xbc, 0xa9, 0x0e, 0x90, 0x87, 0x5a, 0x7f,
                             0x0f, 0x79, 0xc3, 0x84, 0x62, 0x7b, 0xaf, 0xb2};
    const uint8_t expect[8] = {0x1a, 0x80, 0x7d, 0x27, 0x2b, 0xbe, 0x5d, 0xb1};
    uint8_t block[8] = {};
    arctwo_ctx ctx;
    arctwo_set_key_ekb(&ctx, sizeof key, key, 64);
    arctwo_encrypt(&ctx, sizeof block, block, block);
    return std::memcmp(block, expect, sizeof block) == 0;
  }();
  if (!rc2Ok) reason = "the RC2 cipher gives wrong results.";
  return rc2Ok;
}

}  // namespace
}  // namespace datafile

using namespace datafile;

struct CDataFileCipher::CKeyState {
  arctwo_ctx ctx;
  uint8_t iv[kBlock];
};

CDataFileCipher::CDataFileCipher() = default;

CDataFileCipher::~CDataFileCipher() { ReleaseKey(); }

bool CDataFileCipher::AcquireKey(std::string_view passphrase, std::string& error) {
  ReleaseKey();
  std::string reason;
  if (!CheckProvider(reason)) {
    error = Format(kMsgCryptoInit, reason);
    return false;
  }
  // Hashing and key set-up cannot fail with nettle; kMsgCreateHash,
  // kMsgHashPassword and kMsgCreateKey remain for other providers.
  const size_t nul = passphrase.find('\0');
  if (nul != std::string_view::npos) passphrase = passphrase.substr(0, nul);
  md5_ctx md5;
  md5_init(&md5);
  md5_update(&md5, passphrase.size(), reinterpret_cast<const uint8_t*>(passphrase.data()));
  uint8_t digest[MD5_DIGEST_SIZE];
  md5_digest(&md5, sizeof digest, digest);

  uint8_t key[kKeyBytes] = {};
  std::memcpy(key, digest, kKeyDigestBytes);
  m_pKey = std::make_unique<CKeyState>();
  arctwo_set_key_ekb(&m_pKey->ctx, sizeof key, key, kEffectiveKeyBits);
  std::memset(m_pKey->iv, 0, sizeof m_pKey->iv);
  explicit_bzero(key, sizeof key);
  explicit_bzero(digest, sizeof digest);
  explicit_bzero(&md5, sizeof md5);
  return true;
}

void CDataFileCipher::ReleaseKey() {
  if (!m_pKey) return;
  explicit_bzero(m_pKey.get(), sizeof *m_pKey);
  m_pKey.reset();
}

void CDataFileCipher::EncryptBlocks(char* data, size_t n) {
  auto* p = reinterpret_cast<uint8_t*>(data);
  cbc_encrypt(&m_pKey->ctx, &Rc2Encrypt, kBlock, m_pKey->iv, n, p, p);
}

void CDataFileCipher::DecryptBlocks(char* data, size_t n) {
  auto* p = reinterpret_cast<uint8_t*>(data);
  cbc_decrypt(&m_pKey->ctx, &Rc2Decrypt, kBlock, m_pKey->iv, n, p, p);
}

bool CDataFileCipher::StripPadding(std::string& plain) {
  if (plain.empty() || plain.size() % kBlock != 0) return false;
  const auto pad = static_cast<unsigned char>(plain.back());
  if (pad < 1 || pad > kBlock) return false;
  for (size_t i = plain.size() - pad; i < plain.size(); ++i)
    if (static_cast<unsigned char>(plain[i]) != pad) return false;
  plain.resize(plain.size() - pad);
  return true;
}

namespace {
// Padding that makes `n` plaintext bytes a whole number of blocks: always
// 1 to 8 bytes, so the last block always says how much to strip.
size_t PadLength(size_t n) { return kBlock - n % kBlock; }

std::string LengthMessage(const std::string& what, size_t n) {
  return "The data file " + what + " is damaged: its length of " + std::to_string(n) +
         " bytes is not a whole number of 8-byte blocks.";
}
std::string PaddingMessage(const std::string& what) {
  return "The data file " + what + " is damaged or was written with another key.";
}
}  // namespace

bool CDataFileCipher::EncryptBytes(std::string_view plain, std::string_view passphrase,
                                   std::string& cipher, std::string& error) {
  if (!AcquireKey(passphrase, error)) return false;
  std::string out(plain);
  out.append(PadLength(plain.size()), static_cast<char>(PadLength(plain.size())));
  EncryptBlocks(out.data(), out.size());
  ReleaseKey();
  cipher = std::move(out);
  return true;
}

bool CDataFileCipher::DecryptBytes(std::string_view cipher, std::string_view passphrase,
                                   std::string& plain, std::string& error) {
  if (!AcquireKey(passphrase, error)) return false;
  if (cipher.empty() || cipher.size() % kBlock != 0) {
    ReleaseKey();
    error = LengthMessage("in memory", cipher.size());
    return false;
  }
  std::string out(cipher);
  DecryptBlocks(out.data(), out.size());
  ReleaseKey();
  if (!StripPadding(out)) {
    error = PaddingMessage("in memory");
    return false;
  }
  plain = std::move(out);
  return true;
}

int CDataFileCipher::DecryptToMemory(const std::string& path, std::string& memFile,
                                     std::string& error) {
  return DecryptToMemory(path, memFile, kDefaultPassphrase, error);
}

int CDataFileCipher::DecryptToMemory(const std::string& path, std::string& memFile,
                                     std::string_view passphrase, std::string& error) {
  if (!AcquireKey(passphrase, error)) return 0;
  off_t size = 0;
  const int fd = detail::OpenForReading(path, size, error);
  if (fd < 0) {
    ReleaseKey();
    return 0;
  }
  auto fail = [&](const std::string& why) {
    ::close(fd);
    ReleaseKey();
    error = why;
    return 0;
  };
  std::string plain;
  plain.reserve(static_cast<size_t>(size));
  char chunk[kChunkSize];
  static_assert(kChunkSize % kBlock == 0, "chunks must hold whole blocks");
  for (;;) {
    const ssize_t n = detail::ReadFull(fd, chunk, sizeof chunk);
    if (n < 0) return fail("Unable to read " + path + ": " + std::strerror(errno));
    const auto got = static_cast<size_t>(n);
    if (got % kBlock != 0) return fail(LengthMessage(path, plain.size() + got));
    DecryptBlocks(chunk, got);
    plain.append(chunk, got);
    if (got < sizeof chunk) break;
  }
  if (plain.empty()) return fail(LengthMessage(path, 0));
  if (!StripPadding(plain)) return fail(PaddingMessage(path));
  ::close(fd);
  ReleaseKey();
  memFile = std::move(plain);
  return 1;
}

int CDataFileCipher::EncryptFromMemory(const std::string& path, std::string_view memFile,
                                       std::string& error) {
  return EncryptFromMemory(path, memFile, kDefaultPassphrase, error);
}

int CDataFileCipher::EncryptFromMemory(const std::string& path, std::string_view memFile,
                                       std::string_view passphrase, std::string& error) {
  // The key comes first: if it cannot be made, the old file is not touched.
  if (!AcquireKey(passphrase, error)) return 0;
  CAtomicFile file(path);
  if (!file.Open(error)) {
    ReleaseKey();
    return 0;
  }
  // Room for a whole chunk plus the largest padding.
  char chunk[kChunkSize + kBlock];
  for (size_t pos = 0;;) {
    const size_t n = std::min(kChunkSize, memFile.size() - pos);
    std::memcpy(chunk, memFile.data() + pos, n);
    pos += n;
    const bool final = n < kChunkSize;
    size_t len = n;
    if (final) {
      const size_t pad = PadLength(n);
      std::memset(chunk + n, static_cast<int>(pad), pad);
      len += pad;
    }
    EncryptBlocks(chunk, len);
    if (!file.Write(std::string_view(chunk, len), error)) {
      ReleaseKey();
      return 0;
    }
    if (final) break;
  }
  ReleaseKey();
  return file.Commit(error) ? 1 : 0;
}
