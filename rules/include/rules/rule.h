#pragma once
// One robot rule: a name in angle brackets, an activation level, trigger
// patterns, a response and effects on the activation of other rules.
#include <string>
#include <vector>

// A trigger pattern and how strongly a match wakes its rule (a percentage;
// a negative level vetoes the rule when it matches).
struct CRulePattern {
  int m_nActivation = 0;
  std::string m_strPattern;
  bool operator==(const CRulePattern&) const = default;
};

// Raises or lowers the activation of the named rules when its rule fires.
struct CRuleMod {
  bool m_bRaise = true;
  std::vector<std::string> m_arrRules;
  bool operator==(const CRuleMod&) const = default;
};

class CRule {
 public:
  static constexpr double kNewRuleActivation = 0.3;

  CRule() = default;
  explicit CRule(std::string strName, double dActivation = kNewRuleActivation);

  std::string m_strName;  // "<header>", brackets included
  double m_dActivation = kNewRuleActivation;  // the level a conversation starts from
  double m_dCurrentActivation = kNewRuleActivation;  // moved by the engine while talking
  std::vector<CRulePattern> m_arrPatterns;
  std::string m_strResponse;
  std::vector<CRuleMod> m_arrMods;

  int GetPatternCount() const { return static_cast<int>(m_arrPatterns.size()); }
  int GetModCount() const { return static_cast<int>(m_arrMods.size()); }

  // "p:<level> <pattern>"; empty for an index out of range.
  std::string GetPattern(int i) const;
  // "+: <A><B>" or "-: <A>"; empty for an index out of range.
  std::string GetMod(int i) const;

  static std::string FormatPattern(const CRulePattern& pattern);
  static std::string FormatMod(const CRuleMod& mod);
  // Parse the display texts back. A text that is not in the display form gives
  // a default record and sets *pbOk to false.
  static CRulePattern GetPatternFromString(const std::string& str, bool* pbOk = nullptr);
  static CRuleMod GetModFromString(const std::string& str, bool* pbOk = nullptr);

  // A name is "<" + header + ">" with a non-empty header free of angle
  // brackets and control characters (the brackets separate names in effects).
  static bool IsValidName(const std::string& strName);
  // Splits "<A><B>" into its names; false when the text is not such a run.
  static bool SplitNames(const std::string& str, std::vector<std::string>& names);

  // Equal in everything stored; the engine's current level is not compared.
  bool IsSameAs(const CRule& other) const;
};
