#include "morphan/parsedverb.h"

// English and Klingon renderings of a verb reading; filled in separately.
std::string CParsedVerb::ToString() const { return std::string(); }
std::string CParsedVerb::ToStringKlingon() const { return std::string(); }
std::string CParsedVerb::BuildSuffixes(int) const { return std::string(); }
std::string CParsedVerb::TS(const std::string&) const { return std::string(); }
std::string CParsedVerb::Aux(int) const { return std::string(); }
std::string CParsedVerb::Root() const { return std::string(); }
std::string CParsedVerb::NegRoot() const { return std::string(); }
std::string CParsedVerb::VS2(int) const { return std::string(); }
std::string CParsedVerb::VS3(int) const { return std::string(); }
std::string CParsedVerb::VS4(int) const { return std::string(); }
std::string CParsedVerb::VS5() const { return std::string(); }
std::string CParsedVerb::VS6() const { return std::string(); }
std::string CParsedVerb::VS7() const { return std::string(); }
std::string CParsedVerb::ToStringPronoun() { return std::string(); }
std::string CParsedVerb::PronounRoot(int, int) const { return std::string(); }
