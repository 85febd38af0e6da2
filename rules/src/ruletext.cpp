#include "rules/ruletext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <vector>

#include "rules/ruledb.h"
#include "wordbank/textcodec.h"

namespace {

constexpr std::string_view kMagic = "robot-rules 1";
constexpr size_t kMaxRules = 100000;
constexpr size_t kMaxItemsPerRule = 10000;

std::string Escape(std::string_view s) { return wordbank::EscapeField(s); }

std::optional<std::string> Unescape(std::string_view s) { return wordbank::UnescapeField(s, true); }

// Length of the UTF-8 prefix that is well formed.
size_t ValidUtf8Prefix(std::string_view s) {
  size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    size_t len = 0;
    unsigned min = 0;
    unsigned cp = 0;
    if (c < 0x80) { ++i; continue; }
    if ((c & 0xe0) == 0xc0) { len = 2; cp = c & 0x1f; min = 0x80; }
    else if ((c & 0xf0) == 0xe0) { len = 3; cp = c & 0x0f; min = 0x800; }
    else if ((c & 0xf8) == 0xf0) { len = 4; cp = c & 0x07; min = 0x10000; }
    else return i;
    if (i + len > s.size()) return i;
    for (size_t k = 1; k < len; ++k) {
      const unsigned char cc = static_cast<unsigned char>(s[i + k]);
      if ((cc & 0xc0) != 0x80) return i;
      cp = (cp << 6) | (cc & 0x3f);
    }
    if (cp < min || cp > 0x10ffff || (cp >= 0xd800 && cp <= 0xdfff)) return i;
    i += len;
  }
  return i;
}

std::string FormatDouble(double d) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, d);
  return std::string(buf, res.ptr);
}

// Splits "keyword value" at the first space; the value keeps any further spaces.
void SplitKeyword(std::string_view line, std::string_view& keyword, std::optional<std::string_view>& value) {
  const size_t space = line.find(' ');
  if (space == std::string_view::npos) {
    keyword = line;
    value.reset();
  } else {
    keyword = line.substr(0, space);
    value = line.substr(space + 1);
  }
}

struct CReader {
  std::string& error;
  size_t lineNo = 0;

  bool Fail(const std::string& what) {
    error = "line " + std::to_string(lineNo) + ": " + what;
    return false;
  }
};

}  // namespace

bool ReadRulesText(std::string_view text, CRuleDB& db, std::string& error) {
  CReader r{error};
  if (text.size() > rules::kMaxRulesFileBytes) {
    error = "the file is too large for a rules file";
    return false;
  }
  if (text.starts_with("\xef\xbb\xbf")) text.remove_prefix(3);
  const size_t valid = ValidUtf8Prefix(text);
  if (valid != text.size()) {
    r.lineNo = 1 + static_cast<size_t>(std::count(text.begin(), text.begin() + valid, '\n'));
    return r.Fail("not UTF-8 text");
  }

  std::vector<CRule> rules;
  std::unordered_set<std::string> names;
  std::string version;
  bool haveMagic = false, haveVersion = false;
  std::optional<CRule> current;
  bool haveActivation = false;
  std::vector<std::string> responseLines;
  size_t ruleLine = 0;

  for (const std::string_view line : wordbank::SplitLines(text)) {
    ++r.lineNo;
    if (line.empty() || line.front() == '#') continue;

    if (!haveMagic) {
      if (line != kMagic) return r.Fail("not a robot rules file (expected \"robot-rules 1\")");
      haveMagic = true;
      continue;
    }

    std::string_view keyword;
    std::optional<std::string_view> value;
    SplitKeyword(line, keyword, value);

    if (!current) {
      if (keyword == "version") {
        if (haveVersion) return r.Fail("second version line");
        auto v = Unescape(value.value_or(""));
        if (!v) return r.Fail("bad escape in version");
        version = std::move(*v);
        haveVersion = true;
      } else if (keyword == "rule") {
        const std::string name(value.value_or(""));
        if (!CRule::IsValidName(name)) return r.Fail("bad rule name \"" + name + "\"");
        if (names.count(name)) return r.Fail("rule " + name + " is defined twice");
        if (rules.size() >= kMaxRules) return r.Fail("too many rules");
        current.emplace(name, 0.0);
        haveActivation = false;
        responseLines.clear();
        ruleLine = r.lineNo;
      } else {
        return r.Fail("unexpected \"" + std::string(keyword) + "\" outside a rule");
      }
      continue;
    }

    CRule& rule = *current;
    if (keyword == "activation") {
      if (haveActivation) return r.Fail("second activation line");
      const std::string_view v = value.value_or("");
      double d = 0;
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), d);
      if (v.empty() || ec != std::errc() || end != v.data() + v.size() || !std::isfinite(d))
        return r.Fail("bad activation level \"" + std::string(v) + "\"");
      rule.m_dActivation = rule.m_dCurrentActivation = d;
      haveActivation = true;
    } else if (keyword == "pattern") {
      if (rule.m_arrPatterns.size() >= kMaxItemsPerRule) return r.Fail("too many patterns");
      const std::string_view v = value.value_or("");
      int level = 0;
      const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), level);
      if (v.empty() || ec != std::errc()) return r.Fail("bad pattern level");
      std::string_view rest(end, static_cast<size_t>(v.data() + v.size() - end));
      if (!rest.empty()) {
        if (rest.front() != ' ') return r.Fail("bad pattern level");
        rest.remove_prefix(1);
      }
      auto pattern = Unescape(rest);
      if (!pattern) return r.Fail("bad escape in pattern");
      rule.m_arrPatterns.push_back({level, std::move(*pattern)});
    } else if (keyword == "response") {
      auto v = Unescape(value.value_or(""));
      if (!v) return r.Fail("bad escape in response");
      responseLines.push_back(std::move(*v));
    } else if (keyword == "effect") {
      if (rule.m_arrMods.size() >= kMaxItemsPerRule) return r.Fail("too many effects");
      const std::string_view v = value.value_or("");
      CRuleMod mod;
      if (v.empty() || (v.front() != '+' && v.front() != '-'))
        return r.Fail("an effect starts with + or -");
      mod.m_bRaise = v.front() == '+';
      std::string_view targets = v.substr(1);
      if (!targets.empty()) {
        if (targets.front() != ' ') return r.Fail("bad effect");
        targets.remove_prefix(1);
      }
      if (!CRule::SplitNames(std::string(targets), mod.m_arrRules))
        return r.Fail("bad rule names in effect \"" + std::string(targets) + "\"");
      rule.m_arrMods.push_back(std::move(mod));
    } else if (keyword == "end" && !value) {
      if (!haveActivation) return r.Fail("rule " + rule.m_strName + " has no activation level");
      for (size_t i = 0; i < responseLines.size(); ++i) {
        if (i) rule.m_strResponse += '\n';
        rule.m_strResponse += responseLines[i];
      }
      names.insert(rule.m_strName);
      rules.push_back(std::move(rule));
      current.reset();
    } else {
      return r.Fail("unexpected \"" + std::string(keyword) + "\" in rule " + rule.m_strName);
    }
  }
  if (!haveMagic) {
    error = "not a robot rules file (expected \"robot-rules 1\")";
    return false;
  }
  if (current) {
    r.lineNo = ruleLine;
    return r.Fail("rule " + current->m_strName + " has no \"end\"");
  }

  db.RemoveAll();
  for (auto& rule : rules) db.Add(rule);
  db.SetVersion(version);
  return true;
}

std::string WriteRulesText(const CRuleDB& db) {
  std::string out;
  out += "# Vekmor robot rules\n";
  out += kMagic;
  out += '\n';
  out += db.GetVersion().empty() ? std::string("version\n")
                                 : "version " + Escape(db.GetVersion()) + "\n";
  for (const CRule& rule : db) {
    out += "\nrule " + rule.m_strName + "\n";
    out += "activation " + FormatDouble(rule.m_dActivation) + "\n";
    for (const auto& p : rule.m_arrPatterns) {
      out += "pattern " + std::to_string(p.m_nActivation);
      if (!p.m_strPattern.empty()) out += " " + Escape(p.m_strPattern);
      out += '\n';
    }
    if (!rule.m_strResponse.empty()) {
      size_t start = 0;
      for (;;) {
        const size_t nl = rule.m_strResponse.find('\n', start);
        const std::string_view piece =
            std::string_view(rule.m_strResponse).substr(start, nl == std::string::npos ? nl : nl - start);
        out += piece.empty() ? std::string("response\n") : "response " + Escape(piece) + "\n";
        if (nl == std::string::npos) break;
        start = nl + 1;
      }
    }
    for (const auto& m : rule.m_arrMods) {
      out += m.m_bRaise ? "effect +" : "effect -";
      if (!m.m_arrRules.empty()) {
        out += ' ';
        for (const auto& n : m.m_arrRules) out += n;
      }
      out += '\n';
    }
    out += "end\n";
  }
  return out;
}
