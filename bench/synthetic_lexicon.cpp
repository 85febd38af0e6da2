#include "synthetic_lexicon.h"

#include <cstdio>
#include <fstream>
#include <random>
#include <set>

#include "wordbank/lextsv.h"

namespace bench {
namespace {

const char* const kOnsets[] = {"b", "ch", "D", "gh", "H", "j", "l", "m", "n", "ng", "p",
                               "q", "Q", "r", "S", "t", "tlh", "v", "w", "y", "'"};
const char* const kVowels[] = {"a", "e", "I", "o", "u"};
const char* const kCodas[] = {"b", "ch", "D", "gh", "H", "j", "l", "m", "n", "ng", "p", "q",
                              "Q", "r", "S", "t", "tlh", "v", "w", "y", "'", "w'", "y'", "rgh"};
const char* const kNounSuffixes[] = {"pu'", "mey", "wIj", "Daq", "vaD", "vam", "Hom", "na'"};
const char* const kVerbPrefixes[] = {"jI", "bI", "ma", "Su", "vI", "Da", "yI", "qa", "mu"};
const char* const kVerbSuffixes[] = {"pu'", "taH", "be'", "qu'", "laH", "lu'", "moH", "choH", "ta'"};

template <size_t N>
const char* Pick(const char* const (&table)[N], std::mt19937& rng) {
  return table[std::uniform_int_distribution<size_t>(0, N - 1)(rng)];
}

std::string Syllable(std::mt19937& rng) {
  return std::string(Pick(kOnsets, rng)) + Pick(kVowels, rng) + Pick(kCodas, rng);
}

}  // namespace

CKLex MakeLexicon(int entries, unsigned seed) {
  CKLex lex;
  Grow(lex, entries, seed);
  return lex;
}

void Grow(CKLex& lex, int entries, unsigned seed) {
  std::mt19937 rng(seed);
  std::set<std::string> seen;
  for (const auto& [key, w] : lex) seen.insert(w.m_strWord);
  while (static_cast<int>(lex.GetCount()) < entries) {
    std::string w = Syllable(rng);
    if (rng() % 3 == 0) w += Syllable(rng);
    if (!seen.insert(w).second) continue;
    CKWord k;
    k.m_strWord = w;
    const unsigned roll = rng() % 10;
    k.m_nPos = roll < 4 ? kPosNoun : roll < 8 ? kPosVerb : static_cast<int32_t>(3 + rng() % 5);
    k.m_strDefinition = k.m_nPos == kPosVerb && rng() % 4 == 0 ? "be something" : "something";
    k.m_bStative = k.m_strDefinition.rfind("be ", 0) == 0;
    k.m_bBeing = k.m_nPos == kPosNoun && rng() % 8 == 0;
    lex.Add(k);
  }
}

std::vector<std::string> MakeText(const CKLex& lex, int words, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<const CKWord*> entries;
  for (const auto& [key, w] : lex) entries.push_back(&w);
  std::vector<std::string> text;
  text.reserve(words);
  while (static_cast<int>(text.size()) < words) {
    const CKWord& w = *entries[rng() % entries.size()];
    std::string t = w.m_strWord;
    if (rng() % 10 == 0) {
      t = Syllable(rng) + Syllable(rng);  // unknown word
    } else if (w.m_nPos == kPosNoun && rng() % 2) {
      t += Pick(kNounSuffixes, rng);
    } else if (w.m_nPos == kPosVerb) {
      if (rng() % 2) t = Pick(kVerbPrefixes, rng) + t;
      for (unsigned n = rng() % 3; n > 0; --n) t += Pick(kVerbSuffixes, rng);
    }
    text.push_back(t);
  }
  return text;
}

CKLex ReadLexiconTsvFile(const char* path) {
  CKLex lex;
  std::string text, error;
  if (FILE* f = std::fopen(path, "rb")) {
    char buf[65536];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;) text.append(buf, n);
    std::fclose(f);
  }
  if (!wordbank::ReadLexiconTsv(text, lex, error)) std::fprintf(stderr, "%s: %s\n", path, error.c_str());
  return lex;
}

std::string MakeDocument(const CKLex& lex, int words, unsigned seed) {
  std::string doc;
  int n = 0;
  for (const std::string& word : MakeText(lex, words, seed)) {
    doc += word;
    ++n;
    doc += n % 12 == 0 ? ".\n" : n % 7 == 0 ? ", " : " ";
  }
  return doc;
}

std::vector<std::string> ReadSentenceLines(const char* path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') lines.push_back(line);
  return lines;
}

}  // namespace bench
