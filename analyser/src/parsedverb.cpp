#include "morphan/parsedverb.h"

// Placeholder until the verb analysis lands: no verb readings yet.
void CParsedVerb::Clear() {
  CParsedWord::Clear();
  m_nPosCode = kPosVerb;
}

int CParsedVerb::Parse(const std::string&, const CKWord&) { return 0; }

std::string CParsedVerb::ToString() const { return m_strDefinition; }

std::string CParsedVerb::ToStringKlingon() const { return m_strWord; }
