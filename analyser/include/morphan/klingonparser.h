#pragma once
// The analyser's entry point: every reading of one written Klingon word.
#include <string>
#include <vector>

#include "morphan/parseresult.h"
#include "wordbank/klex.h"

class CKlingonParser {
 public:
  // Analyses made by the suggestion check of one top-level call, at any depth.
  static constexpr int kSuggestionBudget = 2000;
  // A suggestion walk this deep no longer analyses anything.
  static constexpr int kMaxDepth = 32;

  CKlingonParser() = default;
  virtual ~CKlingonParser() = default;
  CKlingonParser(const CKlingonParser&) = delete;
  CKlingonParser& operator=(const CKlingonParser&) = delete;

  // Appends one result per reading of `word` and returns the size of
  // `results` afterwards. m_pLexicon must be set first.
  int ParseWord(std::string word, std::vector<CParseResult>& results);
  // Analyses the suggestion check made during the last top-level call.
  int SuggestionAnalyses() const { return kSuggestionBudget - m_nBudget; }

  CKLex* m_pLexicon = nullptr;
  int m_nDepth = 0;
  CStringList m_lstVisited;

 protected:
  // Drops characters that are not Klingon letters, maps case so that q/Q and
  // h/H stay apart, spells "th"/"thl" as "tlh" and adds a leading apostrophe.
  static void AdjustCase(std::string& word);
  static int IsValidChar(char c);

 private:
  void AnalyseEntries(const std::string& word, bool caseFlag,
                      std::vector<CParseResult>& results) const;
  void SuggestionCheck(std::vector<CParseResult>& results);
  void CheckSuggestions(CParseResult& result, CKlingonParser& helper);

  // Points at the top-level parser's remaining budget during a call.
  int* m_pBudget = nullptr;
  int m_nBudget = kSuggestionBudget;
};
