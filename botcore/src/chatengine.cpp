#include "botcore/chatengine.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "botcore/matcher.h"
#include "rules/ruledb.h"

namespace botcore {

const char* const kNoReply = "jIyajbe'.\n(I do not understand.)";

namespace {

std::string_view TrimLineBreaks(std::string_view s) {
  while (!s.empty() && (s.front() == '\n' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// The response split at lines that hold a single "|".
std::vector<std::string_view> Alternatives(std::string_view response) {
  std::vector<std::string_view> alts;
  size_t start = 0;
  size_t pos = 0;
  for (;;) {
    size_t eol = response.find('\n', pos);
    const bool last = eol == std::string_view::npos;
    if (last) eol = response.size();
    std::string_view line = response.substr(pos, eol - pos);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line == "|") {
      alts.push_back(TrimLineBreaks(response.substr(start, pos - start)));
      start = last ? eol : eol + 1;
    }
    if (last) break;
    pos = eol + 1;
  }
  alts.push_back(TrimLineBreaks(response.substr(start)));
  return alts;
}

}  // namespace

void CChatEngine::Restart() {
  m_db.ResetDefaultActivations();
  m_mapTurns.clear();
  m_nLastRule = -1;
}

std::string CChatEngine::Reply(const std::string& strInput) {
  const CWordList words = SplitWords(strInput);
  int best = -1;
  double bestScore = 0;
  std::vector<std::string> bestCaptures;
  std::vector<std::string> captures;
  for (int i = 0; i < m_db.GetSize(); ++i) {
    const CRule& rule = m_db[i];
    if (rule.m_dCurrentActivation <= 0) continue;
    int level = INT_MIN;
    bool vetoed = false;
    std::vector<std::string> ruleCaptures;
    for (const auto& p : rule.m_arrPatterns) {
      if (!CPattern(p.m_strPattern).Match(words, captures)) continue;
      if (p.m_nActivation < 0) {
        vetoed = true;
        break;
      }
      if (p.m_nActivation > level) {
        level = p.m_nActivation;
        ruleCaptures = captures;
      }
    }
    if (vetoed || level <= 0) continue;
    const double score = rule.m_dCurrentActivation * level / 100.0;
    if (score > bestScore) {
      bestScore = score;
      best = i;
      bestCaptures = std::move(ruleCaptures);
    }
  }

  for (CRule& rule : m_db)
    rule.m_dCurrentActivation = rule.m_dActivation + (rule.m_dCurrentActivation - rule.m_dActivation) / 2;
  m_nLastRule = best;
  if (best < 0) return kNoReply;

  CRule& winner = m_db[best];
  winner.m_dCurrentActivation = winner.m_dActivation;
  for (const CRuleMod& mod : winner.m_arrMods) {
    for (const auto& name : mod.m_arrRules) {
      const int t = m_db.FindRule(name);
      if (t < 0) continue;
      CRule& target = m_db[t];
      if (mod.m_bRaise)
        target.m_dCurrentActivation =
            std::min(std::max(1.0, target.m_dActivation), target.m_dCurrentActivation + kEffectStep);
      else
        target.m_dCurrentActivation = std::max(0.0, target.m_dCurrentActivation - kEffectStep);
    }
  }

  const auto alts = Alternatives(winner.m_strResponse);
  const unsigned turn = m_mapTurns[winner.m_strName]++;
  return FillResponse(alts[turn % alts.size()], bestCaptures);
}

}  // namespace botcore
