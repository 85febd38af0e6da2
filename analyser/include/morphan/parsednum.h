#pragma once
// Number analysis: numbers, ordinals, repetitions and time words.
#include "morphan/parsedword.h"

class CParsedNum : public CParsedWord {
 public:
  CParsedNum() { m_nPosCode = kPosNumber; }

  // 1 when `word` is the entry's number root, optionally followed by maH, one
  // power and one ending. Sets the code back to a number after Clear(); builds
  // the English in m_strDefinition. Never reports a problem: the score is 1.0.
  int Parse(const std::string& word, const CKWord& entry);

  std::string ToString() const override;
};
