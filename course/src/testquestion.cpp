#include "course/testquestion.h"

#include <string>

#include "recordversion.h"
#include "wordbank/archive.h"

int CTestQuestion::Match(const std::string& answer) const {
  if (answer.empty()) return 0;
  for (const std::string& a : m_lstAnswers)
    if (a == answer) return 1;
  return 0;
}

void CTestQuestion::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteU32(course::kRecordVersion);
    ar.WriteString(m_strSentence);
    ar.WriteString(m_strSpareText);
    ar.WriteString(m_strQuestion);
    ar.WriteI32(m_nSpare1);
    ar.WriteI32(m_nSpare2);
    ar.WriteU32(static_cast<uint32_t>(m_lstAnswers.size()));
    for (const std::string& a : m_lstAnswers) ar.WriteString(a);
    return;
  }
  course::CheckRecordVersion(ar, "question");
  m_strSentence = ar.ReadString();
  m_strSpareText = ar.ReadString();
  m_strQuestion = ar.ReadString();
  m_nSpare1 = ar.ReadI32();
  m_nSpare2 = ar.ReadI32();
  // An answer takes at least its length byte.
  const uint32_t n = ar.ReadCount(1);
  for (uint32_t i = 0; i < n; ++i) m_lstAnswers.push_back(ar.ReadString());
}
