#pragma once
// File helpers shared by the robot tests.
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace botcore::test {

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

// The rows of a tab-separated fixture, skipping # comments; every column kept,
// empty ones included.
inline std::vector<std::vector<std::string>> ReadRows(const std::string& path) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(ReadAll(path));
  for (std::string line; std::getline(in, line);) {
    if (line.rfind('#', 0) == 0) continue;
    std::vector<std::string>& row = rows.emplace_back(1);
    for (char c : line) {
      if (c == '\t') row.emplace_back();
      else row.back().push_back(c);
    }
  }
  return rows;
}

}  // namespace botcore::test
