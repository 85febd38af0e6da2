// The analyser on the shipped lexicon: any text, however long or odd, gives
// readings without crashing, and the lexicon index gives exactly the readings
// of the full scan.
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "morphan/klingonparser.h"
#include "wordbank/lextsv.h"

namespace {
CKLex* Lexicon() {
  static CKLex* lex = [] {
    auto* l = new CKLex;
    std::ifstream in(VEK_LEXICON_TSV, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    std::string error;
    if (!wordbank::ReadLexiconTsv(text.str(), *l, error)) abort();
    return l;
  }();
  return lex;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 4096) return 0;
  const std::string word(reinterpret_cast<const char*>(data), size);
  CKlingonParser indexed, scan;
  indexed.m_pLexicon = scan.m_pLexicon = Lexicon();
  scan.m_bFullScan = true;
  std::vector<CParseResult> first, second;
  indexed.ParseWord(word, first);
  scan.ParseWord(word, second);
  if (first.size() != second.size()) abort();
  for (size_t i = 0; i < first.size(); ++i)
    if (first[i].m_strKey != second[i].m_strKey || first[i].m_strGloss != second[i].m_strGloss ||
        first[i].m_dScore != second[i].m_dScore || first[i].m_lstErrors != second[i].m_lstErrors ||
        first[i].m_lstSuggestions != second[i].m_lstSuggestions)
      abort();
  return 0;
}
