#pragma once
// The analysis record of an uninflected word, and the base of the noun, verb
// and number analyses.
#include <string>
#include <string_view>

#include "wordbank/kword.h"

class CParsedWord {
 public:
  CParsedWord() = default;
  virtual ~CParsedWord() = default;

  CStringList m_lstSuggestions;
  CStringList m_lstErrors;
  std::string m_strWord;
  std::string m_strDefinition;
  int32_t m_nPosCode = 0;
  double m_dScore = 0.0;
  std::string m_strRoot;

  void Clear();
  // Succeeds only when `word` is exactly the entry's word.
  int Parse(const std::string& word, const CKWord& entry);

  // The tag of m_nPosCode.
  std::string POS() const;
  static const char* PosTag(int32_t code);

  // The English rendering; each analysis class renders its own readings, an
  // uninflected word renders as its definition.
  virtual std::string ToString() const { return m_strDefinition; }
  // The Klingon word rebuilt from the analysis.
  virtual std::string ToStringKlingon() const { return m_strWord; }

  int HasErrors() const { return !m_lstErrors.empty(); }
  int HasSuggestions() const { return !m_lstSuggestions.empty(); }

 protected:
  // For analyses of a root followed by suffixes: when `word` begins with the
  // entry's word, takes the word, root, definition and a score of 1.0, sets
  // `rest` to what follows the root (a view into `word`) and returns true;
  // otherwise changes nothing.
  bool StartOnRoot(const std::string& word, const CKWord& entry, std::string_view& rest);
};
