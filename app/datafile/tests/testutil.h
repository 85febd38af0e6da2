#pragma once
// A scratch folder per test and small file helpers.
#include <string>

namespace datafile::test {

class CScratchDir {
 public:
  CScratchDir();
  ~CScratchDir();
  const std::string& Path() const { return m_strPath; }
  std::string File(const std::string& name) const { return m_strPath + "/" + name; }
  // Names in the folder, sorted; shows stray temporary files.
  std::string Listing() const;

 private:
  std::string m_strPath;
};

std::string ReadAll(const std::string& path);
void WriteAll(const std::string& path, const std::string& bytes);
std::string Hex(const std::string& bytes);
std::string FromHex(const std::string& hex);

}  // namespace datafile::test
