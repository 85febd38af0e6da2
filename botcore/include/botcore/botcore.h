#pragma once
// The chatterbot engine as the program calls it. One engine per process; it
// keeps its rule database in a rules text file (see rules/ruletext.h).
#include <string>

class CRuleDB;

// Where the engine reads and writes its rules. Changing the file drops the
// rules loaded from the old one; refused (false) while the rules are handed
// out to the editor.
bool RobotSetRulesFile(const std::string& strPath);
const std::string& RobotGetRulesFile();

// The reply to one line typed by the user (the empty line included). The
// rules are loaded on first use; without rules every reply is the
// not-understood one, and RobotRulesProblem() says why.
std::string Chatterbot(const std::string& strInput);

// Empty when the engine has rules to talk with; otherwise, for the user, why
// it has none (no file, a damaged file, a file without rules). Loads the
// rules when they are not loaded yet.
std::string RobotRulesProblem();

// Runs the engine again on its current rule database with a fresh
// conversation; retries the load when the last one failed.
void RobotStart();
// Stops the engine and hands its database out for editing; nullptr when it is
// already handed out or its file exists but is damaged (saving over it would
// lose the user's rules).
CRuleDB* RobotStop();
// Writes the database to the rules file atomically; nonzero on success.
int SaveRobotRules();
// Why the last load or save failed; empty after a success.
const std::string& RobotGetLastError();
