#include "morphan/parsednum.h"

// Placeholder until the number analysis lands: no number readings yet.
int CParsedNum::Parse(const std::string&, const CKWord&) { return 0; }

std::string CParsedNum::ToString() const { return m_strDefinition; }
