#include "course/testmgr.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "datafile/datafilecipher.h"
#include "recordversion.h"
#include "wordbank/archive.h"

namespace course {

int NextLessonIndex(const std::vector<std::string>& statuses) {
  const std::string completed = kStatusCompleted;
  for (size_t i = 0; i < statuses.size(); ++i) {
    const std::string& s = statuses[i];
    if (s == kStatusNotStarted || s.rfind(kStatusInProgress, 0) == 0) return static_cast<int>(i);
    // "completed (60%)": the score sits from position 11, up to three digits.
    if (s.size() > completed.size() && s.rfind(completed, 0) == 0) {
      std::string score = s.size() > 11 ? s.substr(11, 3) : std::string();
      if (!score.empty() && score.back() == ')') score.pop_back();
      if (!score.empty() && score.back() == '%') score.pop_back();
      if (std::atoi(score.c_str()) < 75) return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace course

CTestMgr::CTestMgr(std::string folder) : m_strFolder(std::move(folder)) {
  if (!m_strFolder.empty() && m_strFolder.back() != '/') m_strFolder += '/';
}

int CTestMgr::Init() { return Init(course::kLessonsFile); }

int CTestMgr::Init(const std::string& name) {
  m_strError.clear();
  const std::string path = PathOf(name);
  struct stat st;
  if (::stat(path.c_str(), &st) != 0 && errno == ENOENT) return 1;
  std::string plain;
  CDataFileCipher cipher;
  if (!cipher.DecryptToMemory(path, plain, m_strError)) return 0;
  std::string why;
  if (!FromBytes(plain, why)) {
    m_strError = path + " is damaged: " + why + ".";
    return 0;
  }
  m_bLoaded = 1;
  return 1;
}

int CTestMgr::SaveLessons() { return SaveLessons(course::kLessonsFile, ""); }

int CTestMgr::SaveLessons(const std::string& name, const std::string& passphrase) {
  m_strError.clear();
  const std::string plain = ToBytes();
  CDataFileCipher cipher;
  const std::string_view pass =
      passphrase.empty() ? CDataFileCipher::kDefaultPassphrase : std::string_view(passphrase);
  return cipher.EncryptFromMemory(PathOf(name), plain, pass, m_strError) ? 1 : 0;
}

int CTestMgr::FindSection(const std::string& key) const {
  for (size_t i = 0; i < m_arrSections.size(); ++i)
    if (m_arrSections[i].NumberText() == key) return static_cast<int>(i);
  return -1;
}

int CTestMgr::GetTestSection(const std::string& key, CTestSection& section) const {
  const int i = FindSection(key);
  if (i < 0) return 0;
  section = m_arrSections[static_cast<size_t>(i)];
  return 1;
}

int CTestMgr::Edit(const CTestSection& section) {
  for (CTestSection& s : m_arrSections) {
    if (s.m_dNumber == section.m_dNumber) {
      s = section;
      return 1;
    }
  }
  return 0;
}

int CTestMgr::Delete(const CTestSection& section) {
  for (auto it = m_arrSections.begin(); it != m_arrSections.end(); ++it) {
    if (it->m_dNumber == section.m_dNumber) {
      m_arrSections.erase(it);
      return 1;
    }
  }
  return 0;
}

void CTestMgr::ResetScores() {
  for (CTestSection& s : m_arrSections) s.ResetScore();
}

void CTestMgr::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(course::kRecordVersion);
    ar.WriteString(m_strVersion);
    ar.WriteU32(static_cast<uint32_t>(m_arrSections.size()));
    for (CTestSection& s : m_arrSections) s.Serialize(ar);
    return;
  }
  // The course reads its version text before it looks at its version word.
  const uint32_t version = ar.ReadU32();
  m_strVersion = ar.ReadString();
  if (version != course::kRecordVersion)
    throw CArchiveException("a course record of version " + std::to_string(version) +
                            ", which this program does not know");
  const uint32_t n = ar.ReadCount(course::kMinLessonBytes);
  m_arrSections.reserve(m_arrSections.size() + n);
  for (uint32_t i = 0; i < n; ++i) {
    CTestSection s;
    s.Serialize(ar);
    m_arrSections.push_back(std::move(s));
  }
}

std::string CTestMgr::ToBytes() {
  CArchive ar;
  Serialize(ar);
  return ar.TakeBuffer();
}

bool CTestMgr::FromBytes(std::string_view plain, std::string& why) {
  CTestMgr loaded;
  try {
    CArchive ar(plain);
    loaded.Serialize(ar);
    if (ar.Remaining() != 0)
      throw CArchiveException(std::to_string(ar.Remaining()) + " bytes after the last lesson");
  } catch (const CArchiveException& e) {
    why = e.what();
    return false;
  }
  // Loaded lessons come after any already held, as they always have.
  for (CTestSection& s : loaded.m_arrSections) m_arrSections.push_back(std::move(s));
  m_strVersion = std::move(loaded.m_strVersion);
  return true;
}
