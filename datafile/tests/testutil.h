#pragma once
// A scratch folder per test and small file helpers shared by the tests.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace datafile::test {

// A fresh folder, removed with everything in it when the test ends.
struct CScratchDir {
  std::string path = std::filesystem::temp_directory_path() / "datafile-test-XXXXXX";
  CScratchDir() {
    if (!mkdtemp(path.data())) throw std::runtime_error("mkdtemp failed");
  }
  ~CScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
  }
  std::string File(const std::string& name) const { return path + "/" + name; }
  // Names in the folder, sorted; shows stray temporary files.
  std::string Listing() const {
    std::set<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(path)) names.insert(e.path().filename());
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
  }
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!(out << bytes)) throw std::runtime_error("cannot write " + path);
}

inline std::string Hex(const std::string& bytes) {
  std::string out;
  for (unsigned char c : bytes) out += {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
  return out;
}

inline std::string FromHex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

// Tab-separated fields of fixtures/<name>; blank lines and '#' comments skipped.
inline std::vector<std::vector<std::string>> Rows(const std::string& name) {
  std::istringstream in(ReadAll(DATAFILE_FIXTURES "/" + name));
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    rows.emplace_back();
    for (std::string f; std::getline(fields, f, '\t');) rows.back().push_back(f);
    if (line.back() == '\t') rows.back().push_back("");
  }
  return rows;
}

// Undoes the escapes of fixture text: \n \r \xNN, and \ before any other character.
inline std::string Unescape(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i] == '\\' && i + 1 < s.size() ? s[++i] : 0;
    if (c == 'x') out += FromHex(s.substr(i + 1, 2)), i += 2;
    else out += c == 'n' ? '\n' : c == 'r' ? '\r' : c ? c : s[i];
  }
  return out;
}

}  // namespace datafile::test
