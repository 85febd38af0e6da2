#include "rules/rule.h"

#include <charconv>
#include <utility>

CRule::CRule(std::string strName, double dActivation)
    : m_strName(std::move(strName)),
      m_dActivation(dActivation),
      m_dCurrentActivation(dActivation) {}

std::string CRule::GetPattern(int i) const {
  if (i < 0 || i >= GetPatternCount()) return {};
  return FormatPattern(m_arrPatterns[static_cast<size_t>(i)]);
}

std::string CRule::GetMod(int i) const {
  if (i < 0 || i >= GetModCount()) return {};
  return FormatMod(m_arrMods[static_cast<size_t>(i)]);
}

std::string CRule::FormatPattern(const CRulePattern& pattern) {
  return "p:" + std::to_string(pattern.m_nActivation) + " " + pattern.m_strPattern;
}

std::string CRule::FormatMod(const CRuleMod& mod) {
  std::string text = mod.m_bRaise ? "+: " : "-: ";
  for (const auto& name : mod.m_arrRules) text += name;
  return text;
}

CRulePattern CRule::GetPatternFromString(const std::string& str, bool* pbOk) {
  CRulePattern pattern;
  bool ok = false;
  if (str.starts_with("p:")) {
    const char* first = str.data() + 2;
    const char* last = str.data() + str.size();
    int level = 0;
    // from_chars takes no '+', which the display never writes
    const auto [end, ec] = std::from_chars(first, last, level);
    if (ec == std::errc() && end != first) {
      if (end == last) {
        ok = true;  // "p:50" for an empty pattern
      } else if (*end == ' ') {
        ok = true;
        pattern.m_strPattern.assign(end + 1, last);
      }
      if (ok) pattern.m_nActivation = level;
    }
  }
  if (pbOk) *pbOk = ok;
  return ok ? pattern : CRulePattern();
}

CRuleMod CRule::GetModFromString(const std::string& str, bool* pbOk) {
  CRuleMod mod;
  bool ok = false;
  if (str.size() >= 2 && (str[0] == '+' || str[0] == '-') && str[1] == ':') {
    mod.m_bRaise = str[0] == '+';
    std::string_view names(str);
    names.remove_prefix(2);
    if (names.starts_with(' ')) names.remove_prefix(1);
    ok = SplitNames(std::string(names), mod.m_arrRules);
  }
  if (pbOk) *pbOk = ok;
  return ok ? mod : CRuleMod();
}

bool CRule::IsValidName(const std::string& strName) {
  if (strName.size() < 3 || strName.front() != '<' || strName.back() != '>') return false;
  for (size_t i = 1; i + 1 < strName.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(strName[i]);
    if (c == '<' || c == '>' || c < 0x20 || c == 0x7f) return false;
  }
  return true;
}

bool CRule::SplitNames(const std::string& str, std::vector<std::string>& names) {
  std::vector<std::string> found;
  size_t pos = 0;
  while (pos < str.size()) {
    if (str[pos] != '<') return false;
    const size_t close = str.find('>', pos);
    if (close == std::string::npos) return false;
    std::string name = str.substr(pos, close - pos + 1);
    if (!IsValidName(name)) return false;
    found.push_back(std::move(name));
    pos = close + 1;
  }
  names = std::move(found);
  return true;
}

bool CRule::IsSameAs(const CRule& other) const {
  return m_strName == other.m_strName && m_dActivation == other.m_dActivation &&
         m_arrPatterns == other.m_arrPatterns && m_strResponse == other.m_strResponse &&
         m_arrMods == other.m_arrMods;
}
