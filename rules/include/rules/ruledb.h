#pragma once
// The robot rule database: an array of rules in file order, looked up by name.
#include <string>
#include <vector>

#include "rules/rule.h"

class CRuleDB {
 public:
  // The array itself: read by index and appended to directly.
  int GetSize() const { return static_cast<int>(m_arrRules.size()); }
  CRule& operator[](int i) { return m_arrRules.at(static_cast<size_t>(i)); }
  const CRule& operator[](int i) const { return m_arrRules.at(static_cast<size_t>(i)); }
  CRule& GetAt(int i) { return (*this)[i]; }
  const CRule& GetAt(int i) const { return (*this)[i]; }
  int Add(const CRule& rule);  // returns the new index
  void RemoveAll() { m_arrRules.clear(); }
  std::vector<CRule>::iterator begin() { return m_arrRules.begin(); }
  std::vector<CRule>::iterator end() { return m_arrRules.end(); }
  std::vector<CRule>::const_iterator begin() const { return m_arrRules.begin(); }
  std::vector<CRule>::const_iterator end() const { return m_arrRules.end(); }

  // Index of the rule with that exact name, or -1.
  int FindRule(const std::string& strName) const;
  // Nonzero when found; the rule is copied to `rule`.
  int GetRule(const std::string& strName, CRule& rule) const;
  // Replaces the stored rule of the same name; nonzero on success.
  int EditRule(const CRule& rule);
  int DeleteRule(const std::string& strName);
  // Every rule's current level back to its stored level.
  void ResetDefaultActivations();

  // Reads a rules text file; on success replaces the whole content (version
  // included) and returns nonzero. On failure nothing changes and
  // GetLastError() tells why.
  int ImportFromTextFile(const std::string& strPath);
  // Writes the rules text file through a temporary file; nonzero on success.
  int ExportToTextFile(const std::string& strPath) const;

  const std::string& GetVersion() const { return m_strVersion; }
  void SetVersion(const std::string& strVersion) { m_strVersion = strVersion; }
  const std::string& GetLastError() const { return m_strLastError; }

  // Same rules in the same order with the same version.
  bool IsSameAs(const CRuleDB& other) const;

 private:
  std::vector<CRule> m_arrRules;
  std::string m_strVersion;
  mutable std::string m_strLastError;
};
