// The English and Klingon renderings of a noun reading.
#include <string_view>

#include "morphan/parsednoun.h"

std::string CParsedNoun::TS(const std::string& suffix) const {
  for (const auto& row : NounSuffixTable()) {
    if (suffix != row.suffix) continue;
    const std::string_view gloss = row.gloss;
    if (!m_strSuffix2.empty()) {
      if (gloss == "this") return "these";
      if (gloss == "that") return "those";
    }
    return std::string(gloss);
  }
  return suffix;
}

std::string CParsedNoun::ToString() const {
  std::string out = m_strDefinition;
  if (!m_strSuffix2.empty()) out += " " + TS(m_strSuffix2);
  for (const std::string* slot : {&m_strSuffix1, &m_strSuffix3, &m_strSuffix4, &m_strSuffix5})
    if (!slot->empty()) out = TS(*slot) + " " + out;
  return out;
}

std::string CParsedNoun::ToStringKlingon() const {
  return m_strRoot + m_strSuffix1 + Bare(2) + m_strSuffix3 + m_strSuffix4 + m_strSuffix5;
}
