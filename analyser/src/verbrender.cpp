#include <array>
#include <cstring>
#include <string_view>
#include <utility>

#include "morphan/parsedverb.h"

// English gloss and Klingon re-spelling of a verb reading, and the rebuilt
// suffix string that corrected spellings are spliced from.

namespace {

// Which rover sits at one position; the glosses look at one only.
enum class Rover { kNone, kBeQu, kQuBe, kBe, kQu };

Rover RoverAt(const CParsedVerb& v, int pos) {
  if (!v.m_strBeQu[pos].empty()) return Rover::kBeQu;
  if (!v.m_strQuBe[pos].empty()) return Rover::kQuBe;
  if (!v.m_strBe[pos].empty()) return Rover::kBe;
  if (!v.m_strQu[pos].empty()) return Rover::kQu;
  return Rover::kNone;
}

bool StartsWith(const std::string& s, const char* head) {
  return s.compare(0, std::strlen(head), head) == 0;
}

// Only blanks: the glosses carry no other trailing white space.
void TrimBlanks(std::string& s) {
  size_t end = s.find_last_not_of(' ');
  s.erase(end == std::string::npos ? 0 : end + 1);
}

const char* ReflexiveObject(const std::string& prefix) {
  if (prefix == "jI") return "myself ";
  if (prefix == "bI") return "yourself ";
  if (prefix == "ma") return "ourselves ";
  if (prefix == "pe") return "yourselves ";
  if (prefix == "Su") return "yourselves ";
  if (prefix == "yI") return "yourself ";
  return "him/her/itself ";
}

// The subject moved into the object place by an indefinite-subject suffix.
std::string ObjectForm(const std::string& subject) {
  if (subject == "I ") return "me ";
  if (subject == "we ") return "us ";
  if (subject == "he/she/it ") return "him/her/it ";
  if (subject == "he/she/it/they ") return "him/her/it/them ";
  if (subject == "they ") return "them ";
  return subject;
}

}  // namespace

std::string CParsedVerb::TS(const std::string& text) const {
  // Called for every slot, most of them empty; no suffix is.
  if (text.empty()) return text;
  static const auto texts = [] {
    std::array<std::string_view, kSuffixCount> t;
    for (int i = 0; i < kSuffixCount; ++i) t[i] = kSuffixes[i].text;
    return t;
  }();
  for (int i = 0; i < kSuffixCount; ++i)
    if (text == texts[i]) return kSuffixes[i].gloss;
  return text;
}

std::string CParsedVerb::Aux(int kind) const {
  const std::string& s = m_strSubject;
  if (s == "I ") return kind == 1 ? "am " : "do ";
  if (s == "he/she/it/they ") return kind == 1 ? "is/are " : "does/do ";
  if (s == "he/she/it " || s == "he/she " || s == "one " || s == "it ")
    return kind == 1 ? "is " : "does ";
  return kind == 1 ? "are " : "do ";
}

namespace {

std::string Definition(const CParsedVerb& v) {
  if (v.m_strNegation.empty()) return v.m_strDefinition;
  return (v.m_bStative ? "un-" : "mis-") + v.m_strDefinition;
}

}  // namespace

std::string CParsedVerb::Root() const {
  std::string r = Definition(*this);
  if (!m_strBeQu[0].empty())
    r = TS(m_strBeQu[0]) + r;
  else if (!m_strQuBe[0].empty())
    r = TS(m_strQuBe[0]) + r;
  if (!m_strBe[0].empty()) r = TS(m_strBe[0]) + r;
  if (!m_strQu[0].empty()) r = TS(m_strQu[0]) + r;
  return r + " ";
}

std::string CParsedVerb::NegRoot() const {
  std::string r = Definition(*this);
  const std::string a = Aux(2);
  if (!m_strBe[0].empty())
    r = a + "not " + r;
  else if (!m_strBeQu[0].empty())
    r = "really " + a + "not " + r;
  else if (!m_strQuBe[0].empty())
    r = a + "not really " + r;
  else if (!m_strQu[0].empty())
    r = "really " + r;
  return r + " ";
}

std::string CParsedVerb::VS2(int withAux) const {
  std::string base = TS(m_strSuffix[1]);
  std::string a;
  if (withAux) {
    if (StartsWith(base, "be ")) {
      base.erase(0, 3);
      a = Aux(1);
    } else {
      a = Aux(2);
    }
  }
  if (IsImperative()) a = "be ";
  switch (RoverAt(*this, 3)) {
    case Rover::kBeQu: return "really " + a + "not " + base;
    case Rover::kQuBe: return a + "not really " + base;
    case Rover::kBe: return a + "not " + base;
    case Rover::kQu: return "really " + base;
    case Rover::kNone: break;
  }
  return withAux && base != "need to " ? a + base : base;
}

std::string CParsedVerb::VS3(int withAux) const {
  std::string base = TS(m_strSuffix[2]);
  std::string a;
  if (base == "change") {
    if (withAux) a = Aux(2);
    base = "begin to ";
  }
  switch (RoverAt(*this, 4)) {
    case Rover::kBeQu: return "really " + a + "not " + base;
    case Rover::kQuBe: return a + "not really " + base;
    case Rover::kBe: return a + "not " + base;
    case Rover::kQu: return "really " + base;
    case Rover::kNone: break;
  }
  return base;
}

std::string CParsedVerb::VS4(int withAux) const {
  const std::string base = TS(m_strSuffix[3]);
  const std::string a = withAux ? Aux(2) : std::string();
  std::string r;
  switch (RoverAt(*this, 5)) {
    case Rover::kBeQu: r = "really " + a + "not " + base; break;
    case Rover::kQuBe: r = a + "not really " + base; break;
    case Rover::kBe: r = a + "not " + base; break;
    case Rover::kQu: r = "really " + base; break;
    case Rover::kNone: r = base; break;
  }
  if (!r.empty()) r += ' ';
  return r;
}

std::string CParsedVerb::VS5() const {
  const std::string& s5 = m_strSuffix[4];
  const std::string base = TS(s5 == "la'" || s5 == "luH" ? std::string("laH") : s5);
  const bool imp = IsImperative();
  switch (RoverAt(*this, 6)) {
    case Rover::kBeQu: return imp ? "really be unable to " : "really cannot ";
    case Rover::kQuBe: return imp ? "be unable to really " : "cannot really ";
    case Rover::kBe: return imp ? "be unable to " : "cannot ";
    case Rover::kQu: return imp ? "really be able to " : "really can ";
    case Rover::kNone: break;
  }
  return imp ? "be able to " : base;
}

std::string CParsedVerb::VS6() const {
  const std::string base = TS(m_strSuffix[5]);
  switch (RoverAt(*this, 7)) {
    case Rover::kBeQu: return "really not " + base;
    case Rover::kQuBe: return "not very " + base;
    case Rover::kBe: return "not " + base;
    case Rover::kQu: return "very " + base;
    case Rover::kNone: break;
  }
  return base;
}

std::string CParsedVerb::VS7() const {
  std::string base = TS(m_strSuffix[6]);
  const char* words = nullptr;
  switch (RoverAt(*this, 8)) {
    case Rover::kBeQu: words = "really not "; break;
    case Rover::kQuBe: words = "not really "; break;
    case Rover::kBe: words = "not "; break;
    case Rover::kQu: words = "really "; break;
    case Rover::kNone: return base;
  }
  // The aspect glosses are bracketed: the rover goes inside the bracket.
  base.insert(base.empty() ? 0 : 1, words);
  return base;
}

std::string CParsedVerb::ToStringKlingon() const {
  std::string s = m_strPrefix + m_strRoot;
  for (const std::string& suffix : m_strSuffix) s += suffix;
  return s;
}

std::string CParsedVerb::BuildSuffixes(int n) const {
  // The rovers recorded at one position, in the order they are written back.
  auto rovers = [this](int pos, const std::string* skip = nullptr) {
    std::string s;
    for (const std::string* slot : {&m_strBeQu[pos], &m_strBe[pos], &m_strQuBe[pos], &m_strQu[pos]})
      if (slot != skip) s += *slot;
    return s;
  };

  std::string s;
  if (n > 0) {
    if (m_strNegation.empty()) {
      s += rovers(0);
    } else {
      // -Ha' keeps no position of its own; the word shows which rover came
      // with it, and that one is written once, right after -Ha'. A rover
      // recorded elsewhere (behind a misplaced -Ha') is written at its own
      // position instead.
      const std::pair<const char*, const std::string*> combinations[] = {
          {"Ha'be'qu'", &m_strBeQu[0]},
          {"Ha'qu'be'", &m_strQuBe[0]},
          {"Ha'be'", &m_strBe[0]},
          {"Ha'qu'", &m_strQu[0]},
      };
      std::string combination = "Ha'";
      const std::string* held = nullptr;
      for (const auto& [text, slot] : combinations) {
        if (m_strWord.find(text) != std::string::npos && !slot->empty()) {
          combination = text;
          held = slot;
          break;
        }
      }
      s += combination + rovers(0, held);
    }
  }
  if (n > 1) s += m_strSuffix[0] + rovers(2);
  for (int t = 2; t <= 7; ++t)
    if (n > t) s += m_strSuffix[t - 1] + rovers(t + 1);
  if (n > 8) {
    s += m_strSuffix[7];
    // -Qo' has no position either; it goes before the rovers that follow the
    // type 8 slot.
    if (!m_strRefusal.empty()) s += "Qo'";
    s += rovers(9);
  }
  if (n > 9) s += m_strSuffix[8] + rovers(10);
  return s;
}

std::string CParsedVerb::ToString() const {
  if (m_bNounForm) return m_noun.ToString();
  // Rendering fills in the subject and object, may shorten the definition and
  // drops a question suffix; that happens on a copy so the reading itself
  // renders the same every time.
  CParsedVerb work(*this);
  if (m_bPronoun) return work.ToStringPronoun();
  return work.RenderGloss();
}

std::string CParsedVerb::RenderGloss() {
  const std::string& s1 = m_strSuffix[0];
  const std::string& s3 = m_strSuffix[2];
  const std::string& s5 = m_strSuffix[4];
  std::string& s9 = m_strSuffix[8];
  const bool stative = m_bStative != 0;
  const bool imperative = IsImperative();
  const bool hasType2 = !m_strSuffix[1].empty();
  const bool hasType4 = !m_strSuffix[3].empty();
  const bool choH = s3 == "choH";
  const bool ability = s5 == "laH" || s5 == "la'" || s5 == "luH";

  if (m_strPrefix.empty()) {
    m_strSubject = "he/she/it/they ";
    if (!stative || hasType4) m_strObject = "him/her/it/them ";
  }
  if (m_bNominalised) m_strSubject.clear();
  const std::string neg = !m_strRefusal.empty() && imperative ? "don't " : TS(m_strRefusal);
  if (!s1.empty()) m_strObject = s1 == "'egh" ? ReflexiveObject(m_strPrefix) : TS(s1);
  if (s5 == "lu'" || s5 == "la'" || s5 == "luH") {
    m_strObject = ObjectForm(m_strSubject);
    m_strSubject = "one ";
  }
  if (stative && StartsWith(m_strDefinition, "be ")) m_strDefinition.erase(0, 3);

  std::string r = Root();
  const std::string& subj = m_strSubject;
  const std::string& obj = m_strObject;
  const std::string t8 = TS(m_strSuffix[7]);
  const std::string v3 = VS3(0);
  const std::string v6 = VS6();
  const std::string v7 = VS7();

  if (s9 == "'a'") {
    std::string a;
    if (!ability && hasType2 && hasType4) {
      if (stative) r = "be " + r;
      a = Aux(2);
      r = choH ? a + subj + v6 + neg + VS4(0) + obj + "to " + VS2(0) + v3 + r + v7 + t8
               : a + subj + v6 + neg + VS4(0) + obj + "to " + VS2(0) + r + v7 + v3 + t8;
    } else if (!ability && hasType2) {
      if (stative) r = "be " + r;
      a = m_strSuffix[1] == "nIS" ? Aux(2) : Aux(1);
      // Without choH the aspect is plain: its rovers are not rendered here.
      r = choH ? a + subj + v6 + neg + VS2(0) + v3 + r + v7 + obj + t8
               : a + subj + v6 + neg + VS2(0) + r + TS(m_strSuffix[6]) + obj + v3 + t8;
    } else if (!ability && hasType4) {
      a = Aux(2);
      if (stative) r = "be " + r;
      r = choH ? a + subj + v6 + neg + VS4(0) + obj + "to " + v3 + r + v7 + t8
               : a + subj + v6 + neg + VS4(0) + obj + "to " + r + v7 + v3 + t8;
    } else if (!ability) {
      a = Aux(2);
      if (stative) {
        if (choH)
          r = "be " + r;
        else
          a = Aux(1);
      }
      r = choH ? a + subj + v6 + neg + v3 + r + v7 + obj + t8
               : a + subj + v6 + neg + r + v7 + obj + v3 + t8;
    } else if (hasType4) {
      if (stative) r = "be " + r;
      r = choH ? VS5() + subj + v6 + neg + VS4(0) + obj + "to " + VS2(0) + v3 + r + v7 + t8
               : VS5() + subj + v6 + neg + VS4(0) + obj + "to " + VS2(0) + r + v7 + v3 + t8;
    } else {
      if (stative) r = "be " + r;
      r = choH ? VS5() + subj + v6 + neg + VS2(0) + v3 + r + v7 + obj + t8
               : VS5() + subj + v6 + neg + VS2(0) + r + v7 + obj + v3 + t8;
    }
    TrimBlanks(r);
    s9.clear();
    return r + "?";
  }

  // Statements: an imperative has no subject and no type 9 gloss in front.
  const std::string lead = imperative ? std::string() : TS(s9) + subj;
  if (!ability && hasType4) {
    if (stative) r = "be " + r;
    const std::string head =
        imperative ? neg + v6 + VS4(1) : lead + v6 + neg + VS4(1);
    r = choH ? head + obj + "to " + VS2(0) + v3 + r + v7 + t8
             : head + obj + "to " + VS2(0) + r + v7 + v3 + t8;
  } else if (!ability && hasType2) {
    if (stative) r = "be " + r;
    const std::string head = imperative ? neg + v6 + VS2(1) : lead + v6 + neg + VS2(1);
    r = choH ? head + v3 + r + v7 + obj + t8 : head + r + v7 + obj + v3 + t8;
  } else if (!ability) {
    if (choH) {
      if (stative) r = "be " + r;
    } else if (stative) {
      r = (s9 != "jaj" && !imperative ? Aux(1) : std::string("be ")) + r;
    } else {
      r = NegRoot();
    }
    const std::string head = imperative ? neg + v6 : lead + v6 + neg;
    r = choH ? head + VS3(1) + r + v7 + obj + t8 : head + r + v7 + obj + v3 + t8;
  } else if (hasType4) {
    if (stative) r = "be " + r;
    const std::string head = imperative ? neg + v6 + VS5() : lead + v6 + VS5() + neg;
    r = choH ? head + VS4(0) + obj + "to " + VS2(0) + v3 + r + v7 + t8
             : head + VS4(0) + obj + "to " + VS2(0) + r + v7 + v3 + t8;
  } else {
    if (stative) r = "be " + r;
    const std::string head = imperative ? neg + v6 + VS5() : lead + v6 + VS5() + neg;
    r = choH ? head + VS2(0) + v3 + r + v7 + obj + t8 : head + VS2(0) + r + v7 + obj + v3 + t8;
  }
  TrimBlanks(r);
  if (imperative) r += '!';
  return r;
}
