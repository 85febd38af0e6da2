#pragma once
// The analyser's entry point: every reading of one written Klingon word.
#include <string>
#include <vector>

#include "morphan/parsememo.h"
#include "morphan/parseresult.h"
#include "wordbank/klex.h"

class CKlingonParser {
 public:
  // Analyses made by the suggestion check of one top-level call, at any depth.
  static constexpr int kSuggestionBudget = 2000;
  // A suggestion walk this deep no longer analyses anything.
  static constexpr int kMaxDepth = 32;
  // A word longer than this once normalised (far beyond any real word) is
  // reported as not found without analysis: its suggestion check could run
  // for minutes.
  static constexpr size_t kMaxWordLength = 120;

  CKlingonParser() = default;
  virtual ~CKlingonParser() = default;
  CKlingonParser(const CKlingonParser&) = delete;
  CKlingonParser& operator=(const CKlingonParser&) = delete;

  // Appends one result per reading of `word` and returns the size of
  // `results` afterwards. m_pLexicon must be set first. Only the entries whose
  // text occurs in the word are tried, found through the lexicon's text index.
  int ParseWord(std::string word, std::vector<CParseResult>& results);
  // Analyses the suggestion check made during the last top-level call.
  int SuggestionAnalyses() const { return kSuggestionBudget - m_nBudget; }

  CKLex* m_pLexicon = nullptr;
  int m_nDepth = 0;
  CStringList m_lstVisited;
  // Optional, owned by the caller: readings of words already analysed
  // (see parsememo.h).
  CParseMemo* m_pMemo = nullptr;
  // Tests every entry of the lexicon instead of asking its text index: the
  // slow reference the index is compared against in tests and benchmarks.
  bool m_bFullScan = false;

 protected:
  // Drops characters that are not Klingon letters, maps case so that q/Q and
  // h/H stay apart, reads curly apostrophes as the apostrophe, spells
  // "th"/"thl" as "tlh" and adds a leading apostrophe.
  static void AdjustCase(std::string& word);
  static int IsValidChar(char c);

 private:
  void AnalyseEntries(const std::string& word, bool caseFlag,
                      std::vector<CParseResult>& results) const;
  int Analyse(const std::string& word, bool caseFlag, std::vector<CParseResult>& results);
  void SuggestionCheck(std::vector<CParseResult>& results);
  void CheckSuggestions(CParseResult& result, CKlingonParser& helper);

  // Points at the top-level parser's remaining budget during a call.
  int* m_pBudget = nullptr;
  int m_nBudget = kSuggestionBudget;
};
