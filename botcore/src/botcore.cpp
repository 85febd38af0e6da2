#include "botcore/botcore.h"

#include <filesystem>
#include <system_error>

#include "botcore/chatengine.h"
#include "rules/ruledb.h"

namespace {

enum class LoadState { kNotLoaded, kLoaded, kFailed };

struct CRobot {
  std::string m_strFile;
  CRuleDB m_db;
  botcore::CChatEngine m_engine{m_db};
  LoadState m_state = LoadState::kNotLoaded;
  bool m_bStopped = false;
  std::string m_strError;
};

CRobot& Robot() {
  static CRobot robot;
  return robot;
}

void Load(CRobot& r) {
  r.m_strError.clear();
  std::error_code ec;
  if (r.m_strFile.empty() || !std::filesystem::exists(r.m_strFile, ec)) {
    // no file yet: an empty robot, which the editor can fill and save
    r.m_db.RemoveAll();
    r.m_db.SetVersion("");
    r.m_state = LoadState::kLoaded;
  } else if (r.m_db.ImportFromTextFile(r.m_strFile)) {
    r.m_state = LoadState::kLoaded;
  } else {
    r.m_db.RemoveAll();
    r.m_strError = r.m_strFile + ": " + r.m_db.GetLastError();
    r.m_state = LoadState::kFailed;
  }
  r.m_engine.Restart();
}

bool EnsureLoaded(CRobot& r) {
  if (r.m_state == LoadState::kNotLoaded) Load(r);
  return r.m_state == LoadState::kLoaded;
}

}  // namespace

bool RobotSetRulesFile(const std::string& strPath) {
  CRobot& r = Robot();
  if (r.m_bStopped) return false;
  if (strPath == r.m_strFile) return true;
  r.m_strFile = strPath;
  r.m_db.RemoveAll();
  r.m_state = LoadState::kNotLoaded;
  r.m_strError.clear();
  return true;
}

const std::string& RobotGetRulesFile() { return Robot().m_strFile; }

std::string Chatterbot(const std::string& strInput) {
  CRobot& r = Robot();
  if (r.m_bStopped) return {};
  if (!EnsureLoaded(r)) return botcore::kNoReply;
  return r.m_engine.Reply(strInput);
}

std::string RobotRulesProblem() {
  CRobot& r = Robot();
  const bool loaded = EnsureLoaded(r);
  if (!loaded) return "The robot cannot read its rules.\n" + r.m_strError;
  if (r.m_db.GetSize() > 0) return {};
  std::error_code ec;
  if (r.m_strFile.empty() || !std::filesystem::exists(r.m_strFile, ec))
    return "The robot has no rules: " + (r.m_strFile.empty() ? std::string("no rules file is set")
                                                               : r.m_strFile + " was not found") +
           ".";
  return "The robot has no rules: " + r.m_strFile + " holds none.";
}

void RobotStart() {
  CRobot& r = Robot();
  r.m_bStopped = false;
  if (r.m_state != LoadState::kLoaded)
    Load(r);
  else
    r.m_engine.Restart();
}

CRuleDB* RobotStop() {
  CRobot& r = Robot();
  if (r.m_bStopped || !EnsureLoaded(r)) return nullptr;
  r.m_bStopped = true;
  return &r.m_db;
}

int SaveRobotRules() {
  CRobot& r = Robot();
  if (r.m_state != LoadState::kLoaded) {
    if (r.m_strError.empty()) r.m_strError = "no rules are loaded";
    return 0;
  }
  if (r.m_strFile.empty()) {
    r.m_strError = "no rules file is set";
    return 0;
  }
  if (!r.m_db.ExportToTextFile(r.m_strFile)) {
    r.m_strError = r.m_strFile + ": " + r.m_db.GetLastError();
    return 0;
  }
  r.m_strError.clear();
  return 1;
}

const std::string& RobotGetLastError() { return Robot().m_strError; }
