#include "lexiconload.h"

#include <fstream>
#include <sstream>
#include <unistd.h>

#include "datafile/atomicfile.h"
#include "datafile/lexiconfile.h"
#include "wordbank/lextsv.h"

namespace cli {

std::string ExecutableDir() {
  char buf[4096];
  const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "./";
  std::string path(buf, static_cast<size_t>(n));
  return path.substr(0, path.rfind('/') + 1);
}

bool ReadWholeFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) return false;
  out = ss.str();
  return true;
}

static bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool LoadLexicon(const std::string& path, CKLex& lex, std::string& error) {
  if (!EndsWith(path, ".tsv")) return datafile::LoadLexiconFile(path, lex, error);
  // A regular file only: a lexicon named by mistake as a pipe must not hang.
  std::string data;
  if (!datafile::ReadFileBytes(path, data, error)) return false;
  std::string why;
  if (!wordbank::ReadLexiconTsv(data, lex, why)) {
    error = path + ": " + why;
    return false;
  }
  return true;
}

}  // namespace cli
