#pragma once
// One question of a lesson's test: an instruction, the sentence the student
// works on, and every answer that counts as correct.
#include <cstdint>
#include <string>

#include "wordbank/kword.h"

class CArchive;

class CTestQuestion {
 public:
  // 1 when `answer` is not empty and equals one of the answers byte for byte.
  int Match(const std::string& answer) const;

  // Reads or writes the question record; a damaged record throws
  // CArchiveException.
  void Serialize(CArchive& ar);

  int32_t m_nSpare1 = 0;  // kept as stored; nothing sets it
  int32_t m_nSpare2 = 0;  // kept as stored; nothing sets it
  std::string m_strQuestion;
  std::string m_strSpareText;  // kept as stored; nothing sets it
  std::string m_strSentence;
  CStringList m_lstAnswers;
};
