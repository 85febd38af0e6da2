#pragma once
// The lexicon: entries under unique, case-sensitive keys, iterated in the order
// they were added.
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "wordbank/kword.h"

class CKLex {
 public:
  using Entry = std::pair<std::string, CKWord>;
  using const_iterator = std::vector<Entry>::const_iterator;
  using iterator = std::vector<Entry>::iterator;

  // Stores a copy under the word itself, or under word + ":" + n with the
  // smallest free n >= 2 when that key is taken; returns the key.
  std::string Add(const CKWord& word);
  // The key Add would choose for `word` now.
  std::string MakeKey(const std::string& word) const;
  // Stores under `key`, replacing an entry with that key (it keeps its place).
  void SetAt(const std::string& key, const CKWord& word);
  // Exact, case-sensitive lookup; nullptr when there is no such key.
  const CKWord* Lookup(const std::string& key) const;
  CKWord* Lookup(const std::string& key);
  bool Lookup(const std::string& key, CKWord& out) const;
  bool RemoveKey(const std::string& key);
  void RemoveAll();
  size_t GetCount() const { return m_entries.size(); }
  bool IsEmpty() const { return m_entries.empty(); }
  // Every entry's flashcard score back to 0.
  void ResetScores();

  const_iterator begin() const { return m_entries.begin(); }
  const_iterator end() const { return m_entries.end(); }
  iterator begin() { return m_entries.begin(); }
  iterator end() { return m_entries.end(); }

  // Replaces the whole content when loading; throws CArchiveException on
  // damaged data and then leaves the lexicon as it was.
  void Serialize(CArchive& ar);

 private:
  std::vector<Entry> m_entries;
  std::unordered_map<std::string, size_t> m_index;
};
