#pragma once
// A scratch folder per test and small file helpers shared by the tests.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace datafile::test {

class CScratchDir {
 public:
  CScratchDir() {
    std::string tmpl =
        (std::filesystem::temp_directory_path() / "datafile-test-XXXXXX").string();
    if (!mkdtemp(tmpl.data())) throw std::runtime_error("mkdtemp failed");
    m_strPath = tmpl;
  }
  ~CScratchDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_strPath, ec);
  }
  const std::string& Path() const { return m_strPath; }
  std::string File(const std::string& name) const { return m_strPath + "/" + name; }
  // Names in the folder, sorted; shows stray temporary files.
  std::string Listing() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(m_strPath))
      names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
  }

 private:
  std::string m_strPath;
};

inline std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
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
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    out += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
  return out;
}

}  // namespace datafile::test
