#pragma once
// Set-up shared by the analyser tests: lexicon entries, and verb records
// built by hand so that the rebuilt suffix string can be checked without the scan.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"
#include "morphan/parsedverb.h"

inline std::string Slurp(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// The lines of a fixture file without \r and blank lines, and without "#" comments if asked.
inline std::vector<std::string> Lines(const std::filesystem::path& p, bool skipComments = true) {
  std::vector<std::string> out;
  std::istringstream in(Slurp(p));
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || (skipComments && line[0] == '#')) continue;
    out.push_back(line);
  }
  return out;
}

// The tab-separated columns of a line, empty ones included.
inline std::vector<std::string> Columns(const std::string& line) {
  std::vector<std::string> cols(1);
  for (char c : line) {
    if (c == '\t') cols.emplace_back();
    else cols.back() += c;
  }
  return cols;
}

// Fixture text where \n, \t and \\ stand for themselves and \xHH for a byte.
inline std::string Unescape(const std::string& t) {
  std::string out;
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i] != '\\' || i + 1 == t.size()) out += t[i];
    else if (t[++i] == 'x') out += static_cast<char>(std::stoi(t.substr(i + 1, 2), nullptr, 16)), i += 2;
    else out += t[i] == 'n' ? '\n' : t[i] == 't' ? '\t' : t[i];
  }
  return out;
}

inline CKWord Entry(const std::string& w, int32_t pos, const std::string& def, int flags = 0) {
  CKWord k;
  k.m_strWord = w;
  k.m_nPos = pos;
  k.m_strDefinition = def;
  k.m_bStative = flags & 1;
  k.m_bIrregular = (flags & 2) != 0;
  return k;
}

// The driver's readings of one word.
inline std::vector<CParseResult> ParseAll(CKlingonParser& parser, const std::string& word) {
  std::vector<CParseResult> r;
  parser.ParseWord(word, r);
  return r;
}

class TestVerb : public CParsedVerb {
 public:
  using CParsedVerb::BuildSuffixes;

  // A verb on the root "legh" with the given definition and prefix; the
  // prefix glosses come from the prefix table.
  explicit TestVerb(const std::string& definition, const std::string& prefix = "") {
    m_strDefinition = definition;
    m_strRoot = "legh";
    m_strWord = "legh";
    m_dScore = 1.0;
    for (const PrefixRow& row : kPrefixes)
      if (prefix == row.prefix) m_strPrefix = row.prefix, m_strSubject = row.subject, m_strObject = row.object;
    if (m_strPrefix != prefix) throw std::invalid_argument("no such prefix: " + prefix);
  }

  TestVerb& Stative() {
    m_bStative = 1;
    return *this;
  }

  // Records a typed suffix in its slot, or -Ha' / -Qo' as the scan does.
  TestVerb& Suf(const std::string& text) {
    bool found = text == "Ha'" || text == "Qo'";
    if (text == "Ha'") m_strNegation = "not";
    if (text == "Qo'") m_strRefusal = "refuse to ";
    for (const SuffixRow& row : kSuffixes)
      if (!found && text == row.text && row.type > 0) m_strSuffix[row.type - 1] = text, found = true;
    if (!found) throw std::invalid_argument("no such typed suffix: " + text);
    m_strWord += text;
    return *this;
  }

  // Records a rover at a position (0 after the root, t + 1 after type t).
  TestVerb& Rover(const std::string& text, int pos) {
    std::string* slots = text == "be'"      ? m_strBe
                         : text == "qu'"    ? m_strQu
                         : text == "be'qu'" ? m_strBeQu
                         : text == "qu'be'" ? m_strQuBe
                                            : nullptr;
    if (!slots) throw std::invalid_argument("no such rover: " + text);
    slots[pos] = text;
    m_strWord += text;
    return *this;
  }
};
