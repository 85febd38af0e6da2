#include "datafile/datafolder.h"

#include <filesystem>
#include <system_error>

namespace datafile {
namespace {

std::string WithSlash(std::string dir) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir;
}

bool HoldsLexicon(const std::filesystem::path& dir) {
  std::error_code ec;
  return std::filesystem::is_regular_file(dir / "lexicon.klx", ec);
}

}  // namespace

std::string FindShippedDataFolder(const std::string& exeDir) {
  const std::filesystem::path exe = std::filesystem::path(WithSlash(exeDir)).lexically_normal();
  if (HoldsLexicon(exe)) return WithSlash(exe.string());
  const std::filesystem::path installed = (exe / kInstalledDataFolder).lexically_normal();
  if (HoldsLexicon(installed)) return WithSlash(installed.string());
  return WithSlash(exe.string());
}

}  // namespace datafile
