#pragma once
// CParseMemo: the readings of whole words, kept for callers that analyse many
// words with one parser (document analysis, the spell checker, vek-analyze
// --file). Real text repeats its words, and a repeated word then costs a copy
// of its readings instead of an analysis and a suggestion check.
//
//   CKlingonParser parser;
//   parser.m_pLexicon = &lexicon;
//   CParseMemo memo;               // the caller owns it; may outlive the parser
//   parser.m_pMemo = &memo;
//   for (...) { std::vector<CParseResult> r; parser.ParseWord(word, r); }
//
// Results are exactly those of an analysis: the memo answers only top-level
// calls made with an empty results array, keyed by the normalised word and
// whether normalisation changed it, and it forgets everything when the lexicon
// changes (CKLex::Revision) or the parser points at another lexicon. Memory is
// bounded: about `maxBytes` at most; the words used least recently go first.
// One memo serves one thread.
#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "morphan/parseresult.h"

class CKLex;

class CParseMemo {
 public:
  static constexpr size_t kDefaultBytes = 8u << 20;

  explicit CParseMemo(size_t maxBytes = kDefaultBytes) : m_nMaxBytes(maxBytes) {}

  void Clear();
  // Words held now.
  size_t GetCount() const { return m_recent.size() + m_older.size(); }
  // Calls answered from the memo, and calls that analysed, since construction.
  uint64_t Hits() const { return m_nHits; }
  uint64_t Misses() const { return m_nMisses; }

 private:
  friend class CKlingonParser;
  struct Stored {
    std::vector<CParseResult> results;
    int analyses = 0;  // what the suggestion check spent
  };
  // The stored readings of `key` for `lex` as it is now, or nullptr.
  const Stored* Find(const CKLex& lex, const std::string& key);
  void Store(const std::string& key, Stored stored);

  size_t m_nMaxBytes;
  size_t m_nRecentBytes = 0;
  const CKLex* m_pLex = nullptr;
  uint64_t m_nRevision = 0;
  // Two generations: new words go to m_recent; when it is full it becomes
  // m_older and the former older one is dropped. A hit in m_older moves up.
  std::unordered_map<std::string, Stored> m_recent;
  std::unordered_map<std::string, Stored> m_older;
  uint64_t m_nHits = 0;
  uint64_t m_nMisses = 0;
};
