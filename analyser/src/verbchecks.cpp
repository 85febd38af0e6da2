// Grammar checks of a verb reading. A failed check never rejects the reading:
// it adds a message, divides the score and suggests corrected whole words.
#include <initializer_list>
#include <string>
#include <string_view>

#include "morphan/parsedverb.h"
#include "verbscan.h"

namespace {

bool OneOf(const std::string& s, std::initializer_list<std::string_view> list) {
  for (std::string_view item : list)
    if (s == item) return true;
  return false;
}

bool IsNoObject(const std::string& p) { return OneOf(p, {"jI", "bI", "ma", "pe", "yI", "Su"}); }
// -lu' and -moH let "yI" pass.
bool IsNoObjectLuMoH(const std::string& p) { return OneOf(p, {"jI", "bI", "ma", "pe", "Su"}); }
bool IsPluralNoObject(const std::string& p) { return OneOf(p, {"ma", "Su", "pe"}); }
bool IsFirstPerson(const std::string& p) {
  return OneOf(p, {"jI", "qa", "vI", "Sa", "ma", "pI", "wI", "re", "DI"});
}

// The same subject without an object.
std::string ToNoObject(const std::string& p, bool imperatives) {
  if (OneOf(p, {"qa", "vI", "Sa"})) return "jI";
  if (OneOf(p, {"cho", "Da", "ju"})) return "bI";
  if (OneOf(p, {"pI", "wI", "re", "DI"})) return "ma";
  if (OneOf(p, {"tu", "bo", "che"})) return "Su";
  if (imperatives && OneOf(p, {"HI", "gho", "tI"})) return "yI";
  return "";
}

// A plural subject without an object.
std::string ToPluralNoObject(const std::string& p) {
  if (OneOf(p, {"yI", "HI", "tI", "gho"})) return "pe";
  if (OneOf(p, {"bI", "Da", "Du", "lI", "bo", "nI"})) return "Su";
  if (p == "lu") return "";
  return "ma";
}

// The same subject with an object.
std::string ToObject(const std::string& p) {
  if (p == "jI") return "vI";
  if (p == "bI") return "Da";
  if (p == "ma") return "wI";
  if (p == "pe") return "yI";
  if (p == "Su") return "bo";
  return p;
}

}  // namespace

void CParsedVerb::Fault(const std::string& message, double factor) {
  m_lstErrors.push_back(message);
  m_dScore /= factor;
}

void CParsedVerb::CheckBeforeRecord(Scan& scan, const std::string& s, int t) {
  const std::string& p = m_strPrefix;
  const std::string& r = m_strRoot;
  const std::string after = scan.rest.substr(s.size());
  const int last = scan.lastType;
  const std::string& prev = scan.prev;

  if (t != 0 && t == last) {
    Fault("The verb suffixes {" + prev + "} and {" + s + "} are both type " + std::to_string(t) +
              ", and cannot both be on a verb at the same time.",
          8);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(t) + scan.rest);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(t) + prev + after);
  } else if (t != 0 && t < last) {
    Fault("The verb suffix {" + s + "} is type " + std::to_string(t) + ", and must precede {" +
              prev + "} which is type " + std::to_string(last) + ".",
          2);
    // Everything recorded keeps its place; the current suffix moves in
    // front of the higher types.
    const std::string head = BuildSuffixes(t);
    std::string tail = BuildSuffixes(10);
    tail.erase(0, std::string_view(tail).starts_with(head) ? head.size() : 0);
    m_lstSuggestions.push_back(p + r + head + s + tail + after);
  }

  if (s == "Ha'" && last >= 0) {
    Fault("The verb suffix {-Ha'} must follow the verb root, see TKD 4.3, p. 48.", 2);
    m_lstSuggestions.push_back(p + r + "Ha'" + BuildSuffixes(last + 1) + after);
  }
  if (s == "Qo'" && last == 9) {
    Fault("The verb suffix {-Qo'} must come before a VS9, see TKD 4.3.", 2);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(9) + "Qo'" + prev + after);
  }
}

void CParsedVerb::CheckAfterRecord(Scan& scan, const std::string& s, int t) {
  const std::string& p = m_strPrefix;
  const std::string& r = m_strRoot;
  const std::string& rest = scan.rest;
  const std::string after = rest.substr(s.size());

  if (s == "vIp" && !p.empty() && IsFirstPerson(p)) {
    Fault("It is culturally taboo to use {-vIp} with a 1st person prefix [TKD 4.2.2 p. 37].", 1.5);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(2) + after);
  }
  if (s == "la'" || s == "luH") {
    Fault("The suffix {-" + s + "} is slang, so should be avoided for proper usage.", 1.5);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(5) + "lu'" + after);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(5) + "laH" + after);
  }
  if (t >= 1 && t <= 8 && !m_strRefusal.empty()) {
    Fault("The verb suffix {-Qo'} must come after {-" + s + "}.", 2);
    // The rebuilt chain already ends with the -Qo' group.
    m_lstSuggestions.push_back(p + r + BuildSuffixes(9) + after);
  }
  if (t == 1 && !p.empty() && !IsNoObject(p)) scan.reflexive = 1;
  if (s == "moH") scan.reflexive = 0;
  if (s == "chuq" && !p.empty() && !IsPluralNoObject(p)) {
    Fault("Verb suffix {chuq} requires a plural verb prefix with no object.", 3);
    m_lstSuggestions.push_back(p + r + after);
    m_lstSuggestions.push_back(ToPluralNoObject(p) + r + rest);
  }
  if (s == "lu'" && IsNoObjectLuMoH(p)) {
    Fault("Verb suffix {-lu'} requires a verb prefix with an object.", 3);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(5) + after);
    m_lstSuggestions.push_back(ToObject(p) + r + BuildSuffixes(5) + rest);
  }
  if (s == "moH" && m_strSuffix[0].empty() && m_bStative && IsNoObjectLuMoH(p)) {
    Fault("Stative verbs with {-moH} require prefixes with an object, unless they are reflexive.", 2);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(4) + after);
    m_lstSuggestions.push_back(ToObject(p) + r + BuildSuffixes(4) + rest);
  }
  if (s == "vIS" && m_strSuffix[6] != "taH") {
    Fault("VS9 {-vIS} requires VS7 {-taH}", 2);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(7) + "taH" + m_strSuffix[7] + rest);
  }
  if (s == "ghach") {
    bool intervening = false;
    for (int i = 0; i < 8; ++i) intervening = intervening || !m_strSuffix[i].empty();
    if (!intervening) {
      Fault("VS9 {-ghach} requires an intervening suffix.", 2);
      m_lstSuggestions.push_back(p + r + BuildSuffixes(7) + "taH" + m_strSuffix[7] + rest);
    }
  }
  if (t == 1 && m_bStative) scan.reflexive = 2;
  if (s == "jaj" && IsImperative()) {
    Fault("The suffix {-jaj} cannot be used on imperative verbs.", 3);
    m_lstSuggestions.push_back(p + r + BuildSuffixes(9) + after);
  }
  if ((s == "be'" || s == "be'qu'" || s == "qu'be'") && IsImperative()) {
    Fault("The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} instead.", 4);
    const char* refusal = s == "be'qu'" ? "Qo'qu'" : s == "qu'be'" ? "qu'Qo'" : "Qo'";
    // Built as if this rover had not been recorded: keeping it would make
    // every suggestion suggest a longer one.
    std::string recorded;
    if (scan.roverSlot) {
      recorded = *scan.roverSlot;
      *scan.roverSlot = scan.roverBefore;
    }
    m_lstSuggestions.push_back(p + r + BuildSuffixes(scan.lastType + 1) + refusal + after);
    if (scan.roverSlot) *scan.roverSlot = recorded;
  }
}

void CParsedVerb::CheckAfterScan(Scan& scan) {
  const std::string& p = m_strPrefix;
  const std::string& r = m_strRoot;
  if (scan.reflexive == 1) {
    Fault("Verb suffix {-'egh} requires a verb prefix with no object.", 3);
    m_lstSuggestions.push_back(ToNoObject(p, true) + r + BuildSuffixes(10));
  } else if (scan.reflexive == 2) {
    Fault("Stative verbs cannot take a reflexive suffix, unless they have {-moH}.", 2);
    const std::string causative = m_strSuffix[3];
    m_strSuffix[3] = "moH";
    m_lstSuggestions.push_back(p + r + BuildSuffixes(10));
    m_strSuffix[3] = causative;
    const std::string reflexive = m_strSuffix[0];
    m_strSuffix[0].clear();
    m_lstSuggestions.push_back(p + r + BuildSuffixes(10));
    m_strSuffix[0] = reflexive;
  }
}

void CParsedVerb::CheckStativePrefix() {
  const std::string& p = m_strPrefix;
  if (m_bStative && m_strSuffix[3].empty() && !IsNoObject(p)) {
    Fault("Stative verbs without {-moH} require a no-object prefix.", 2);
    m_lstSuggestions.push_back(ToNoObject(p, false) + m_strRoot + BuildSuffixes(10));
  }
}
