#pragma once
// Number analysis: numbers, ordinals, repetitions and time words.
#include "morphan/parsedword.h"

class CParsedNum : public CParsedWord {
 public:
  CParsedNum() { m_nPosCode = kPosNumber; }

  int Parse(const std::string& word, const CKWord& entry);

  std::string ToString() const override;
};
