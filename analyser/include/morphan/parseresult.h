#pragma once
// One reading of one word, as callers of the analyser see it.
#include <string>

#include "wordbank/kword.h"

class CParseResult {
 public:
  std::string m_strPos;    // "N", "V", "P", "ADV", "NUM", "CONJ", "EXCL", "Q" or "X"
  std::string m_strWord;   // the word after normalisation
  std::string m_strKey;    // lexicon key of the entry the reading rests on
  std::string m_strGloss;  // English rendering
  double m_dScore = 0.0;   // 1.0 without problems, divided by a factor per problem
  CStringList m_lstErrors;
  CStringList m_lstSuggestions;

  // Marks a reading of a word whose letters had to be normalised.
  void Case();

  bool HasErrors() const { return !m_lstErrors.empty(); }
  bool operator==(const CParseResult&) const = default;
};
