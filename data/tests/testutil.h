#pragma once
// The shipped lexicon and fixture files, read once for all tests.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "wordbank/klex.h"
#include "wordbank/lextsv.h"

namespace datatest {

inline std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The lines of a text file, without \r, blank lines and # comments.
inline std::vector<std::string> Lines(const char* path) {
  std::vector<std::string> out;
  std::istringstream in(ReadFile(path));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line[0] != '#') out.push_back(line);
  }
  return out;
}

// The lexicon; a parse failure fails the calling test.
inline const CKLex& ShippedLexicon() {
  static std::string error;
  static const CKLex lex = [] {
    CKLex l;
    if (!wordbank::ReadLexiconTsv(ReadFile(VEK_LEXICON_TSV), l, error)) l = CKLex();
    return l;
  }();
  EXPECT_TRUE(error.empty()) << error;
  return lex;
}

}  // namespace datatest
