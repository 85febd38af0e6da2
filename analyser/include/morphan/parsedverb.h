#pragma once
// Verb analysis: prefix, root, suffixes and rovers, with the grammar checks.
#include "morphan/parsedword.h"

class CParsedVerb : public CParsedWord {
 public:
  CParsedVerb() { m_nPosCode = kPosVerb; }

  void Clear();
  int Parse(const std::string& word, const CKWord& entry);

  std::string ToString() const override;
  std::string ToStringKlingon() const override;
};
