#include "rules/ruledb.h"

#include <filesystem>
#include <system_error>

#include "datafile/atomicfile.h"
#include "rules/ruletext.h"

int CRuleDB::Add(const CRule& rule) {
  m_arrRules.push_back(rule);
  return GetSize() - 1;
}

int CRuleDB::FindRule(const std::string& strName) const {
  for (size_t i = 0; i < m_arrRules.size(); ++i)
    if (m_arrRules[i].m_strName == strName) return static_cast<int>(i);
  return -1;
}

int CRuleDB::GetRule(const std::string& strName, CRule& rule) const {
  const int i = FindRule(strName);
  if (i < 0) return 0;
  rule = m_arrRules[static_cast<size_t>(i)];
  return 1;
}

int CRuleDB::EditRule(const CRule& rule) {
  const int i = FindRule(rule.m_strName);
  if (i < 0) return 0;
  CRule& stored = m_arrRules[static_cast<size_t>(i)];
  stored = rule;
  stored.m_dCurrentActivation = rule.m_dActivation;
  return 1;
}

int CRuleDB::DeleteRule(const std::string& strName) {
  const int i = FindRule(strName);
  if (i < 0) return 0;
  m_arrRules.erase(m_arrRules.begin() + i);
  return 1;
}

void CRuleDB::ResetDefaultActivations() {
  for (auto& rule : m_arrRules) rule.m_dCurrentActivation = rule.m_dActivation;
}

int CRuleDB::ImportFromTextFile(const std::string& strPath) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(strPath, ec);
  if (!ec && size > rules::kMaxRulesFileBytes) {
    m_strLastError = "the file is too large for a rules file";
    return 0;
  }
  std::string data;
  std::string error;
  if (!datafile::ReadFileBytes(strPath, data, error)) {
    m_strLastError = error;
    return 0;
  }
  if (data.size() > rules::kMaxRulesFileBytes) {
    m_strLastError = "the file is too large for a rules file";
    return 0;
  }
  if (!ReadRulesText(data, *this, error)) {
    m_strLastError = error;
    return 0;
  }
  m_strLastError.clear();
  return 1;
}

int CRuleDB::ExportToTextFile(const std::string& strPath) const {
  std::string error;
  if (!datafile::SaveFileAtomically(strPath, WriteRulesText(*this), error)) {
    m_strLastError = error;
    return 0;
  }
  m_strLastError.clear();
  return 1;
}

bool CRuleDB::IsSameAs(const CRuleDB& other) const {
  if (m_strVersion != other.m_strVersion || m_arrRules.size() != other.m_arrRules.size())
    return false;
  for (size_t i = 0; i < m_arrRules.size(); ++i)
    if (!m_arrRules[i].IsSameAs(other.m_arrRules[i])) return false;
  return true;
}
