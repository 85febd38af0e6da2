#include "wordbank/klex.h"

#include <atomic>

#include "wordbank/archive.h"
#include "wordbank/textindex.h"

namespace {
constexpr uint32_t kLexVersion = 1;
// A stored entry is at least its version word, three length bytes, six flags,
// one length byte, one flag, two counts, score and exclusion flag.
constexpr size_t kMinEntryBytes = 1 + 4 + 3 + 5 * 4 + 1 + 4 + 2 * 4 + 2 * 4;
}  // namespace

namespace {
std::atomic<uint64_t> g_nextRevision{0};
uint64_t NewRevision() { return ++g_nextRevision; }
}  // namespace

CKLex::CKLex() : m_nRevision(NewRevision()) {}

CKLex::CKLex(const CKLex& other)
    : m_entries(other.m_entries),
      m_index(other.m_index),
      m_keyHints(other.m_keyHints),
      m_nKeyProbes(other.m_nKeyProbes),
      m_nRevision(NewRevision()),
      m_pTextIndex(other.TextIndexIfBuilt()) {}

CKLex::CKLex(CKLex&& other) noexcept
    : m_entries(std::move(other.m_entries)),
      m_index(std::move(other.m_index)),
      m_keyHints(std::move(other.m_keyHints)),
      m_nKeyProbes(other.m_nKeyProbes),
      m_nRevision(NewRevision()),
      m_pTextIndex(other.TextIndexIfBuilt()) {
  other.RemoveAll();
}

CKLex& CKLex::operator=(const CKLex& other) {
  if (this != &other) *this = CKLex(other);
  return *this;
}

CKLex& CKLex::operator=(CKLex&& other) noexcept {
  if (this == &other) return *this;
  m_entries = std::move(other.m_entries);
  m_index = std::move(other.m_index);
  m_keyHints = std::move(other.m_keyHints);
  m_nKeyProbes = other.m_nKeyProbes;
  auto index = other.TextIndexIfBuilt();
  other.RemoveAll();
  Changed();
  std::lock_guard lock(m_indexMutex);
  m_pTextIndex = std::move(index);
  return *this;
}

CKLex::~CKLex() = default;

void CKLex::Changed() {
  m_nRevision = NewRevision();
  std::lock_guard lock(m_indexMutex);
  m_pTextIndex.reset();
}

bool CKLex::KeyTaken(const std::string& key) const {
  ++m_nKeyProbes;
  return m_index.count(key) != 0;
}

std::string CKLex::MakeKey(const std::string& word) const {
  if (!KeyTaken(word)) return word;
  uint64_t& hint = m_keyHints.try_emplace(word, 2).first->second;
  for (;; ++hint) {
    std::string key = word + ":" + std::to_string(hint);
    if (!KeyTaken(key)) return key;
  }
}

// A removed key word:n frees n, so the search for word must start there again.
void CKLex::ForgetKey(const std::string& key) {
  const size_t colon = key.rfind(':');
  if (colon == std::string::npos || colon + 1 == key.size() || key.size() - colon > 18) return;
  uint64_t n = 0;
  for (size_t i = colon + 1; i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return;
    n = n * 10 + static_cast<uint64_t>(key[i] - '0');
  }
  auto it = m_keyHints.find(key.substr(0, colon));
  if (it != m_keyHints.end() && n < it->second) it->second = n < 2 ? 2 : n;
}

std::string CKLex::Add(const CKWord& word) {
  std::string key = MakeKey(word.m_strWord);
  m_index.emplace(key, m_entries.size());
  m_entries.emplace_back(key, word);
  Changed();
  return key;
}

void CKLex::SetAt(const std::string& key, const CKWord& word) {
  auto it = m_index.find(key);
  if (it != m_index.end()) {
    m_entries[it->second].second = word;
  } else {
    m_index.emplace(key, m_entries.size());
    m_entries.emplace_back(key, word);
  }
  Changed();
}

const CKWord* CKLex::Lookup(const std::string& key) const {
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
  ForgetKey(key);
  Changed();
  return true;
}

void CKLex::RemoveAll() {
  m_entries.clear();
  m_index.clear();
  m_keyHints.clear();
  Changed();
}

void CKLex::ResetScores() {
  for (auto& e : m_entries) e.second.m_nScore = 0;
  Changed();
}

std::shared_ptr<const CTextIndex> CKLex::TextIndexIfBuilt() const {
  std::lock_guard lock(m_indexMutex);
  return m_pTextIndex;
}

std::shared_ptr<const CTextIndex> CKLex::TextIndex() const {
  std::lock_guard lock(m_indexMutex);
  if (!m_pTextIndex) {
    std::vector<std::string_view> texts;
    texts.reserve(m_entries.size());
    for (const auto& e : m_entries) texts.emplace_back(e.second.m_strWord);
    m_pTextIndex = std::make_shared<const CTextIndex>(texts);
  }
  return m_pTextIndex;
}

void CKLex::FindEntriesIn(std::string_view text, std::vector<uint32_t>& positions) const {
  TextIndex()->Find(text, positions);
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
