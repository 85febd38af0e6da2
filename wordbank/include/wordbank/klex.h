#pragma once
// The lexicon: entries under unique, case-sensitive keys, iterated in the order
// they were added.
//
// Entries change only through the methods below (there is no mutable access to
// a stored entry): each change gives the lexicon a new Revision(), and what is
// derived from the content (the text index, a caller's cache) follows it.
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "wordbank/kword.h"

class CArchive;
class CTextIndex;

class CKLex {
 public:
  using Entry = std::pair<std::string, CKWord>;
  using const_iterator = std::vector<Entry>::const_iterator;

  CKLex();
  CKLex(const CKLex& other);
  CKLex(CKLex&& other) noexcept;
  CKLex& operator=(const CKLex& other);
  CKLex& operator=(CKLex&& other) noexcept;
  ~CKLex();

  // Stores a copy under the word itself, or under word + ":" + n with the
  // smallest free n >= 2 when that key is taken; returns the key.
  std::string Add(const CKWord& word);
  // The key Add would choose for `word` now.
  std::string MakeKey(const std::string& word) const;
  // Stores under `key`, replacing an entry with that key (it keeps its place).
  void SetAt(const std::string& key, const CKWord& word);
  // Exact, case-sensitive lookup; nullptr when there is no such key. The
  // pointer is good until the next change; change an entry with SetAt.
  const CKWord* Lookup(const std::string& key) const;
  bool Lookup(const std::string& key, CKWord& out) const;
  bool RemoveKey(const std::string& key);
  void RemoveAll();
  size_t GetCount() const { return m_entries.size(); }
  bool IsEmpty() const { return m_entries.empty(); }
  // Every entry's flashcard score back to 0.
  void ResetScores();

  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }
  // The entry at `pos` in iteration order (pos < GetCount()).
  const Entry& EntryAt(size_t pos) const { return m_entries[pos]; }

  // Sets `positions` to the iteration positions, ascending, of the entries
  // whose m_strWord occurs in `text` (an empty m_strWord occurs in every text).
  // The index behind it is rebuilt on the first call after a change.
  void FindEntriesIn(std::string_view text, std::vector<uint32_t>& positions) const;

  // Changes with every change of content, and no two lexicons of one run share
  // a value unless one is an unchanged copy of the other; a cache keyed by it
  // can never serve data of another lexicon or an older content.
  uint64_t Revision() const { return m_nRevision; }

  // Key lookups made by Add and MakeKey so far (carried over by copies and
  // moves); stays linear in the number of entries added, however many share
  // one word.
  uint64_t KeyProbes() const { return m_nKeyProbes; }

  // Replaces the whole content when loading; throws CArchiveException on
  // damaged data and then leaves the lexicon as it was.
  void Serialize(CArchive& ar);

 private:
  void Changed();
  bool KeyTaken(const std::string& key) const;
  void ForgetKey(const std::string& key);
  std::shared_ptr<const CTextIndex> TextIndex() const;
  std::shared_ptr<const CTextIndex> TextIndexIfBuilt() const;

  std::vector<Entry> m_entries;
  std::unordered_map<std::string, size_t> m_index;
  // Per word: every n in [2, hint) makes a taken key word:n, so a free key is
  // searched from the hint on.
  mutable std::unordered_map<std::string, uint64_t> m_keyHints;
  mutable uint64_t m_nKeyProbes = 0;
  uint64_t m_nRevision;

  mutable std::mutex m_indexMutex;
  mutable std::shared_ptr<const CTextIndex> m_pTextIndex;  // null until asked for after a change
};
