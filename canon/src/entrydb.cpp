#include "canon/entrydb.h"

#include <cerrno>
#include <sys/stat.h>

#include "datafile/atomicfile.h"
#include "wordbank/archive.h"

namespace {

// "VKCN" leads the file so a wrong file is told apart from a damaged one.
constexpr uint32_t kMagic = 0x4E434B56;
constexpr uint32_t kVersion = 1;
// Three counted strings of at least one length byte each.
constexpr size_t kMinEntryBytes = 3;

}  // namespace

void CEntryDB::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(kMagic);
    ar.WriteU32(kVersion);
    ar.WriteU32(static_cast<uint32_t>(m_entries.size()));
    for (const CCanonEntry& e : m_entries) {
      ar.WriteString(e.m_strKlingon);
      ar.WriteString(e.m_strEnglish);
      ar.WriteString(e.m_strSource);
    }
    return;
  }
  if (ar.ReadU32() != kMagic) throw CArchiveException("not a canon file");
  const uint32_t version = ar.ReadU32();
  if (version != kVersion)
    throw CArchiveException("canon file format " + std::to_string(version) + " is not known");
  const uint32_t count = ar.ReadCount(kMinEntryBytes);
  std::vector<CCanonEntry> entries;
  entries.reserve(count);
  for (uint32_t i = 0; i < count; ++i) {
    CCanonEntry e;
    e.m_strKlingon = ar.ReadString();
    e.m_strEnglish = ar.ReadString();
    e.m_strSource = ar.ReadString();
    entries.push_back(std::move(e));
  }
  if (ar.Remaining() != 0) throw CArchiveException("extra data after the last canon entry");
  m_entries = std::move(entries);
}

bool CEntryDB::LoadFile(const std::string& path) {
  m_strLastError.clear();
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) {
    m_entries.clear();
    return true;
  }
  std::string bytes;
  std::string error;
  if (!datafile::ReadFileBytes(path, bytes, error)) {
    m_entries.clear();
    m_strLastError = error;
    return false;
  }
  try {
    CArchive ar(bytes);
    Serialize(ar);
  } catch (const CArchiveException& e) {
    m_entries.clear();
    m_strLastError = path + ": " + e.what();
    return false;
  }
  return true;
}

bool CEntryDB::SaveFile(const std::string& path) {
  m_strLastError.clear();
  CArchive ar;
  Serialize(ar);
  std::string error;
  if (!datafile::SaveFileAtomically(path, ar.Buffer(), error)) {
    m_strLastError = error;
    return false;
  }
  return true;
}
