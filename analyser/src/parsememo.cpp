#include "morphan/parsememo.h"

#include "wordbank/klex.h"

namespace {

// Roughly what a stored word holds on the heap.
size_t Footprint(const std::string& key, const std::vector<CParseResult>& results) {
  size_t bytes = 64 + key.size();
  for (const auto& r : results) {
    bytes += sizeof(CParseResult) + r.m_strPos.size() + r.m_strWord.size() + r.m_strKey.size() +
             r.m_strGloss.size();
    for (const auto& s : r.m_lstErrors) bytes += 48 + s.size();
    for (const auto& s : r.m_lstSuggestions) bytes += 48 + s.size();
  }
  return bytes;
}

}  // namespace

void CParseMemo::Clear() {
  m_recent.clear();
  m_older.clear();
  m_nRecentBytes = 0;
  m_pLex = nullptr;
}

const CParseMemo::Stored* CParseMemo::Find(const CKLex& lex, const std::string& key) {
  if (m_pLex != &lex || m_nRevision != lex.Revision()) {
    Clear();
    m_pLex = &lex;
    m_nRevision = lex.Revision();
  }
  if (auto it = m_recent.find(key); it != m_recent.end()) {
    ++m_nHits;
    return &it->second;
  }
  if (auto it = m_older.find(key); it != m_older.end()) {
    ++m_nHits;
    Stored stored = std::move(it->second);
    m_older.erase(it);
    Store(key, std::move(stored));
    auto moved = m_recent.find(key);
    return moved == m_recent.end() ? nullptr : &moved->second;
  }
  ++m_nMisses;
  return nullptr;
}

void CParseMemo::Store(const std::string& key, Stored stored) {
  const size_t bytes = Footprint(key, stored.results);
  if (bytes > m_nMaxBytes / 2) return;
  if (m_nRecentBytes + bytes > m_nMaxBytes / 2) {
    m_older = std::move(m_recent);
    m_recent.clear();
    m_nRecentBytes = 0;
  }
  m_nRecentBytes += bytes;
  m_recent.insert_or_assign(key, std::move(stored));
}
