#include "morphan/parseresult.h"

void CParseResult::Case() {
  m_dScore /= 1.1;
  m_lstErrors.push_back("Spelling or case.");
  m_lstSuggestions.push_back(m_strWord);
}
