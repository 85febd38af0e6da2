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
// rules are loaded on first use; a file that exists but cannot be read gives
// a reply saying so rather than an empty robot.
std::string Chatterbot(const std::string& strInput);

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
