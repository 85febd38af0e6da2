#pragma once
// One lexicon entry.
#include <cstdint>
#include <list>
#include <string>

class CArchive;

// Part-of-speech codes shared by the lexicon and the analyser.
enum PosCode : int32_t {
  kPosNoun = 0,
  kPosVerb = 1,
  kPosPronoun = 2,
  kPosAdverb = 3,
  kPosNumber = 4,
  kPosConj = 5,
  kPosExcl = 6,
  kPosQues = 7,
};

using CStringList = std::list<std::string>;

class CKWord {
 public:
  std::string m_strWord;
  std::string m_strDefinition;
  std::string m_strNotes;
  int32_t m_nPos = kPosNoun;
  int32_t m_bBeing = 0;
  int32_t m_bBodyPart = 0;
  int32_t m_bInherentPlural = 0;
  int32_t m_bIrregular = 0;
  std::string m_strIrregularForm;
  int32_t m_bStative = 0;
  CStringList m_lstSynonyms;
  CStringList m_lstAntonyms;
  int32_t m_nScore = 0;
  int32_t m_bExcluded = 0;

  // "noun", "verb", "pronoun", "adverb", "number", "conj", "excl", "ques";
  // empty for a code outside 0..7.
  std::string Pos() const;
  // Sets m_nPos from one of those names and returns it; -1 (and no change) for
  // any other name.
  int32_t SetPos(const std::string& name);

  static const char* PosName(int32_t code);
  // The code of a name, or -1.
  static int32_t PosFromName(const std::string& name);

  void Serialize(CArchive& ar);

  bool operator==(const CKWord&) const = default;
};
