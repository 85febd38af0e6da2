#include "morphan/parsedverb.h"

// A pronoun used as a verb renders as the copula: "I am", "is he/she?".

namespace {

// Trailing blanks only; the pieces end in one blank each.
void TrimBlanks(std::string& s) {
  size_t end = s.find_last_not_of(' ');
  s.erase(end == std::string::npos ? 0 : end + 1);
}

}  // namespace

std::string CParsedVerb::PronounRoot(int withAux, int bare) const {
  const bool choH = m_strSuffix[2] == "choH";
  std::string b = bare ? "" : "be ";
  if (choH)
    b = "become ";
  else if (withAux && !bare)
    b = Aux(1);
  if (!m_strNegation.empty()) b = "mis-" + b;

  if (withAux && !choH) {
    if (!m_strBeQu[0].empty())
      b = "really " + b + "not ";
    else if (!m_strQuBe[0].empty())
      b = b + "really not ";
    if (!m_strBe[0].empty()) b = b + "not ";
  } else if (withAux) {
    if (!m_strBeQu[0].empty())
      b = "really " + Aux(2) + "not " + b;
    else if (!m_strQuBe[0].empty())
      b = Aux(2) + "not really " + b;
    if (!m_strBe[0].empty()) b = Aux(2) + "not " + b;
  } else if (!choH) {
    if (!m_strBeQu[0].empty())
      b = "really not " + b;
    else if (!m_strQuBe[0].empty())
      b = b + "not really ";
    if (!m_strBe[0].empty()) b = "not " + b;
  } else {
    if (!m_strBeQu[0].empty())
      b = "really not " + b;
    else if (!m_strQuBe[0].empty())
      b = "not really " + b;
    if (!m_strBe[0].empty()) b = "not " + b;
  }
  if (!m_strQu[0].empty()) b = "really " + b;
  return b;
}

std::string CParsedVerb::ToStringPronoun() {
  const std::string& def = m_strDefinition;
  if (def == "he, she, him, her")
    m_strSubject = "he/she ";
  else if (def == "I, me")
    m_strSubject = "I ";
  else if (def == "we, us")
    m_strSubject = "we ";
  else if (def == "you")
    m_strSubject = "you ";
  else if (def == "you (pl)")
    m_strSubject = "you (pl) ";
  else if (def == "it")
    m_strSubject = "it ";
  else if (def == "they, them")
    m_strSubject = "they ";

  std::string r = PronounRoot(0, 0);
  const std::string n = TS(m_strRefusal);
  const std::string& subj = m_strSubject;
  const std::string t8 = TS(m_strSuffix[7]);
  const bool ability = m_strSuffix[4] == "laH";
  const bool hasType2 = !m_strSuffix[1].empty();

  if (m_strSuffix[8] == "'a'") {
    if (ability) {
      r = VS5() + subj + VS6() + n + VS2(0) + r + VS3(0) + t8;
    } else if (hasType2) {
      const std::string a = m_strSuffix[1] == "nIS" ? Aux(2) : Aux(1);
      r = a + subj + VS6() + n + VS2(0) + r + VS3(0) + t8;
    } else {
      const std::string a = m_strRefusal.empty() ? Aux(1) : Aux(2);
      r = a + subj + VS6() + n + PronounRoot(0, 1) + VS3(0) + t8;
    }
    TrimBlanks(r);
    m_strSuffix[8].clear();
    return r + "?";
  }

  const std::string s9 = TS(m_strSuffix[8]);
  if (ability) {
    r = s9 + subj + VS6() + VS5() + n + VS2(0) + r + VS3(0) + t8;
  } else if (!hasType2) {
    if (m_strRefusal.empty() && r != "become ") r = PronounRoot(1, 0);
    r = m_strSuffix[2] == "choH" ? s9 + subj + VS6() + n + r + t8
                                 : s9 + subj + VS6() + n + r + VS3(0) + t8;
  } else {
    r = s9 + subj + VS6() + n + VS2(1) + r + VS3(0) + t8;
  }
  // Statements keep the blank of their last part.
  return r;
}
