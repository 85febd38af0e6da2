#pragma once
// The canon database: sentences quoted from the printed sources, each with its
// English meaning and where it was found.
#include <cstddef>
#include <string>
#include <vector>

class CArchive;

struct CCanonEntry {
  std::string m_strKlingon;
  std::string m_strEnglish;
  std::string m_strSource;

  bool operator==(const CCanonEntry&) const = default;
};

class CEntryDB {
 public:
  // Replaces the content with the file's. A missing file gives an empty
  // database and counts as success; a damaged or unreadable one empties the
  // database and returns false with the reason in GetLastError().
  bool LoadFile(const std::string& path);
  // Writes through a temporary file; false (old file untouched) on failure.
  bool SaveFile(const std::string& path);

  // Loading throws CArchiveException on damaged data and leaves the entries
  // as they were.
  void Serialize(CArchive& ar);

  const std::vector<CCanonEntry>& GetEntries() const { return m_entries; }
  size_t GetCount() const { return m_entries.size(); }
  void Add(const CCanonEntry& entry) { m_entries.push_back(entry); }
  // Both do nothing for an index out of range.
  void SetAt(size_t i, const CCanonEntry& entry) {
    if (i < m_entries.size()) m_entries[i] = entry;
  }
  void RemoveAt(size_t i) {
    if (i < m_entries.size()) m_entries.erase(m_entries.begin() + static_cast<std::ptrdiff_t>(i));
  }
  void RemoveAll() { m_entries.clear(); }
  const std::string& GetLastError() const { return m_strLastError; }

 private:
  std::vector<CCanonEntry> m_entries;
  std::string m_strLastError;
};
