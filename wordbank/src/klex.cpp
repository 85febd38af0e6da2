#include "wordbank/klex.h"

#include "wordbank/archive.h"

namespace {
constexpr uint32_t kLexVersion = 1;
// A stored entry is at least its version word, three length bytes, six flags,
// one length byte, one flag, two counts, score and exclusion flag.
constexpr size_t kMinEntryBytes = 1 + 4 + 3 + 5 * 4 + 1 + 4 + 2 * 4 + 2 * 4;
}  // namespace

std::string CKLex::MakeKey(const std::string& word) const {
  if (!m_index.count(word)) return word;
  for (size_t n = 2;; ++n) {
    std::string key = word + ":" + std::to_string(n);
    if (!m_index.count(key)) return key;
  }
}

std::string CKLex::Add(const CKWord& word) {
  std::string key = MakeKey(word.m_strWord);
  m_index.emplace(key, m_entries.size());
  m_entries.emplace_back(key, word);
  return key;
}

void CKLex::SetAt(const std::string& key, const CKWord& word) {
  auto it = m_index.find(key);
  if (it != m_index.end()) {
    m_entries[it->second].second = word;
    return;
  }
  m_index.emplace(key, m_entries.size());
  m_entries.emplace_back(key, word);
}

const CKWord* CKLex::Lookup(const std::string& key) const {
  auto it = m_index.find(key);
  return it == m_index.end() ? nullptr : &m_entries[it->second].second;
}

CKWord* CKLex::Lookup(const std::string& key) {
  auto it = m_index.find(key);
  return it == m_index.end() ? nullptr : &m_entries[it->second].second;
}

bool CKLex::Lookup(const std::string& key, CKWord& out) const {
  const CKWord* w = Lookup(key);
  if (w) out = *w;
  return w != nullptr;
}

bool CKLex::RemoveKey(const std::string& key) {
  auto it = m_index.find(key);
  if (it == m_index.end()) return false;
  const size_t pos = it->second;
  m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(pos));
  m_index.erase(it);
  for (auto& [k, i] : m_index)
    if (i > pos) --i;
  return true;
}

void CKLex::RemoveAll() {
  m_entries.clear();
  m_index.clear();
}

void CKLex::ResetScores() {
  for (auto& e : m_entries) e.second.m_nScore = 0;
}

void CKLex::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(kLexVersion);
    ar.WriteU32(static_cast<uint32_t>(m_entries.size()));
    for (auto& [key, word] : m_entries) {
      ar.WriteString(key);
      word.Serialize(ar);
    }
    return;
  }
  const uint32_t version = ar.ReadU32();
  if (version != kLexVersion)
    throw CArchiveException("unknown lexicon version " + std::to_string(version));
  CKLex loaded;
  for (uint32_t n = ar.ReadCount(kMinEntryBytes); n > 0; --n) {
    std::string key = ar.ReadString();
    CKWord word;
    word.Serialize(ar);
    if (loaded.m_index.count(key)) throw CArchiveException("duplicate lexicon key " + key);
    loaded.SetAt(key, word);
  }
  *this = std::move(loaded);
}
