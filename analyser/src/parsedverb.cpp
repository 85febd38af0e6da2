#include "morphan/parsedverb.h"

#include <string_view>

// Glosses keep their trailing blanks: the renderer concatenates them as they are.
const CParsedVerb::PrefixRow CParsedVerb::kPrefixes[kPrefixCount] = {
    {"bI", "you ", ""},
    {"bo", "you(pl) ", "him/her/it/them "},
    {"che", "you(pl) ", "us "},
    {"cho", "you ", "me "},
    {"Da", "you ", "him/her/it/them "},
    {"DI", "we ", "them "},
    {"Du", "he/she/it ", "you "},
    {"gho", "you(imp:sg/pl) ", "us "},
    {"HI", "you(imp:sg/pl) ", "me "},
    {"jI", "I ", ""},
    {"ju", "you ", "us "},
    {"lI", "he/she/it/they ", "you(pl) "},
    {"lu", "they ", "him/her/it "},
    {"ma", "we ", ""},
    {"mu", "he/she/it/they ", "me "},
    {"nI", "they ", "you "},
    {"nu", "he/she/it/they ", "us "},
    {"pe", "you(imp:pl) ", ""},
    {"pI", "we ", "you "},
    {"qa", "I ", "you "},
    {"re", "we ", "you(pl) "},
    {"Sa", "I ", "you(pl) "},
    {"Su", "you(pl) ", ""},
    {"tI", "you(imp:sg/pl) ", "them "},
    {"tu", "you(pl) ", "me "},
    {"vI", "I ", "him/her/it/them "},
    {"wI", "we ", "him/her/it "},
    {"yI", "you(imp:sg/pl) ", "(no.object)/him/her/it "},
};

// The scan takes the first row that matches, so a text that begins another
// ("be'" in "be'qu'") must stand after it.
const CParsedVerb::SuffixRow CParsedVerb::kSuffixes[kSuffixCount] = {
    {"'a'", "(yes/no)?", 9},
    {"'egh", "oneself", 1},
    {"ba'", "obviously ", 6},
    {"be'qu'", "really not ", 0},
    {"be'", "not ", 0},
    {"beH", "be ready to ", 2},
    {"bej", "certainly ", 6},
    {"bogh", "which ", 9},
    {"choH", "change", 3},
    {"chu'", "clearly ", 6},
    {"chugh", "if ", 9},
    {"chuq", "one another ", 1},
    {"DI'", "as soon as ", 9},
    {"ghach", "(noun) ", 9},
    {"Ha'", "not", 0},
    {"jaj", "may ", 9},
    {"laH", "can ", 5},
    {"law'", "apparently ", 6},
    {"lI'", "(in-progress) ", 7},
    {"lu'", "one", 5},
    {"luH", "one can", 5},
    {"la'", "one can", 5},
    {"meH", "in order that ", 9},
    {"mo'", "because ", 9},
    {"moH", "cause", 4},
    {"neS", ", your honor", 8},
    {"nIS", "need to ", 2},
    {"pa'", "before ", 9},
    {"pu'", "(completed) ", 7},
    {"qa'", "again", 3},
    {"qang", "be willing to ", 2},
    {"Qo'", "refuse to ", 0},
    {"qu'be'", "not really ", 0},
    {"qu'", "really ", 0},
    {"rup", "be ready to ", 2},
    {"ta'", "(completed) ", 7},
    {"taH", "(on-going) ", 7},
    {"vIp", "be afraid to ", 2},
    {"vIS", "while ", 9},
    {"wI'", "one/thing which is/does ", 9},
};

void CParsedVerb::Clear() {
  CParsedWord::Clear();
  m_nPosCode = kPosVerb;
  m_bStative = 0;
  m_strPrefix.clear();
  m_strSubject.clear();
  m_strObject.clear();
  for (auto& s : m_strSuffix) s.clear();
  for (int i = 0; i < 11; ++i) {
    m_strBe[i].clear();
    m_strQu[i].clear();
    m_strBeQu[i].clear();
    m_strQuBe[i].clear();
  }
  m_strNegation.clear();
  m_strRefusal.clear();
  m_bNominalised = 0;
  m_bPronoun = 0;
  m_bNounForm = 0;
  m_noun.Clear();
}

int CParsedVerb::Parse(const std::string& word, const CKWord& entry) {
  // The prefixed reading wins when both are possible.
  if (ParseWithPrefix(word, entry)) return 1;
  return ParseNoPrefix(word, entry) ? 1 : 0;
}

int CParsedVerb::ParseWithPrefix(const std::string& word, const CKWord& entry) {
  // Pronouns used as verbs never take a prefix.
  if (entry.m_nPos != kPosVerb) return 0;
  m_bStative = entry.m_bStative;
  for (const PrefixRow& row : kPrefixes) {
    const std::string_view prefix(row.prefix);
    if (!std::string_view(word).starts_with(prefix)) continue;
    m_strPrefix = row.prefix;
    m_strSubject = row.subject;
    m_strObject = row.object;
    if (ParseNoPrefix(word.substr(prefix.size()), entry)) {
      CheckStativePrefix();
      return 1;
    }
  }
  // A failed attempt may have left messages behind; the unprefixed reading
  // starts from a clean record.
  Clear();
  return 0;
}

int CParsedVerb::IsImperative() const {
  return m_strPrefix == "yI" || m_strPrefix == "pe" || m_strPrefix == "HI" ||
         m_strPrefix == "gho" || m_strPrefix == "tI";
}
