#pragma once
// Chooses replies from a rule database and moves its activation levels.
//
// Each rule scores current activation x level / 100 of its best matching
// pattern; a matching pattern with a negative level silences the rule. The
// highest positive score wins, the earlier rule on a tie. Then every rule
// drifts half-way back to its stored level, the winner returns to its stored
// level, and the winner's effects raise (+0.5, up to 1 or the stored level if
// higher) or lower (-0.5, not below 0) their targets. A response may hold
// alternatives on lines of a single "|"; a rule gives them in turn.
#include <map>
#include <string>

class CRuleDB;

namespace botcore {

constexpr double kEffectStep = 0.5;
extern const char* const kNoReply;

class CChatEngine {
 public:
  explicit CChatEngine(CRuleDB& db) : m_db(db) {}
  std::string Reply(const std::string& strInput);
  // Index of the rule that gave the last reply, -1 when none did.
  int GetLastRule() const { return m_nLastRule; }
  // A fresh conversation: stored levels back and alternatives from the first.
  void Restart();

 private:
  CRuleDB& m_db;
  std::map<std::string, unsigned> m_mapTurns;
  int m_nLastRule = -1;
};

}  // namespace botcore
