#pragma once
// Fixture files shared by the rules tests.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace rulestest {

inline std::string ReadFixture(const std::string& name) {
  std::ifstream in(RULES_FIXTURES "/" + name, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The rows of a fixture of two tab-separated columns, # lines skipped; in the
// second column \n is a line end, \\ a backslash and \xHH a byte.
inline std::vector<std::pair<std::string, std::string>> Rows(const std::string& name) {
  std::vector<std::pair<std::string, std::string>> rows;
  std::istringstream in(ReadFixture(name));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) ADD_FAILURE() << name << ": no tab in " << line;
    std::string text;
    for (size_t i = tab + 1; tab != std::string::npos && i < line.size(); ++i) {
      if (line[i] != '\\') text += line[i];
      else if (line[++i] != 'x') text += line[i] == 'n' ? '\n' : line[i];
      else text += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16)), i += 2;
    }
    rows.emplace_back(line.substr(0, tab), text);
  }
  return rows;
}

}  // namespace rulestest
