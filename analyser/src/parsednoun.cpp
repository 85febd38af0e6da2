#include "morphan/parsednoun.h"

// Placeholder until the noun analysis lands: no noun readings yet.
void CParsedNoun::Clear() {
  CParsedWord::Clear();
  m_strSuffix1.clear();
  m_strSuffix2.clear();
  m_strSuffix3.clear();
  m_strSuffix4.clear();
  m_strSuffix5.clear();
}

int CParsedNoun::Parse(const std::string&, const CKWord&) { return 0; }

std::string CParsedNoun::ToString() const { return m_strDefinition; }

std::string CParsedNoun::ToStringKlingon() const {
  return m_strRoot + m_strSuffix1 + m_strSuffix2 + m_strSuffix3 + m_strSuffix4 + m_strSuffix5;
}
