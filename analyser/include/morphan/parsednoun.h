#pragma once
// Noun analysis: a noun (or a pronoun used as a noun) with its suffixes.
#include "morphan/parsedword.h"

class CParsedNoun : public CParsedWord {
 public:
  CParsedNoun() = default;

  std::string m_strSuffix1;
  std::string m_strSuffix2;
  std::string m_strSuffix3;
  std::string m_strSuffix4;
  std::string m_strSuffix5;

  void Clear();
  int Parse(const std::string& word, const CKWord& entry);

  std::string ToString() const override;
  std::string ToStringKlingon() const override;
};
