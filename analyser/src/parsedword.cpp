#include "morphan/parsedword.h"

void CParsedWord::Clear() {
  m_strWord.clear();
  m_strDefinition.clear();
  m_strRoot.clear();
  m_lstSuggestions.clear();
  m_lstErrors.clear();
  m_nPosCode = 0;
  m_dScore = 0.0;
}

int CParsedWord::Parse(const std::string& word, const CKWord& entry) {
  if (word != entry.m_strWord) return 0;
  m_strWord = word;
  m_strRoot = entry.m_strWord;
  m_strDefinition = entry.m_strDefinition;
  m_dScore = 1.0;
  m_nPosCode = entry.m_nPos;
  return 1;
}

bool CParsedWord::StartOnRoot(const std::string& word, const CKWord& entry,
                              std::string_view& rest) {
  if (!word.starts_with(entry.m_strWord)) return false;
  m_strWord = word;
  m_dScore = 1.0;
  m_strDefinition = entry.m_strDefinition;
  m_strRoot = entry.m_strWord;
  rest = std::string_view(word).substr(entry.m_strWord.size());
  return true;
}

const char* CParsedWord::PosTag(int32_t code) {
  static constexpr const char* kTags[] = {"N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q"};
  return code >= 0 && code < 8 ? kTags[code] : "X";
}

std::string CParsedWord::POS() const { return PosTag(m_nPosCode); }
