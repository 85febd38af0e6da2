#pragma once
// Noun analysis: a noun (or a pronoun used as a noun) with its suffixes.
#include <span>

#include "morphan/parsedword.h"

// One noun suffix: how it is written, its English gloss and its type (1 to 5).
struct NounSuffix {
  const char* suffix;
  const char* gloss;
  int type;
};

// The noun suffixes in the order they are tried; the first that fits wins.
std::span<const NounSuffix> NounSuffixTable();

class CParsedNoun : public CParsedWord {
 public:
  CParsedNoun() = default;

  // The suffix found of each type 1 to 5, empty if none. The type 2 slot
  // carries " (scattered about)" after mey on a being or a body part.
  std::string m_strSuffix1;
  std::string m_strSuffix2;
  std::string m_strSuffix3;
  std::string m_strSuffix4;
  std::string m_strSuffix5;

  void Clear();
  // 1 when `word` (normalised) is the entry's root followed by noun suffixes.
  // Grammar and property problems only lower the score and add messages and
  // suggestions; only an unknown ending or -Daq on pa', Dat, naDev give 0.
  int Parse(const std::string& word, const CKWord& entry);

  // English rendering: type 5, 4, 3, 1 glosses, the definition, type 2 gloss.
  std::string ToString() const override;
  // The root and the suffixes in type order.
  std::string ToStringKlingon() const override;
  // The gloss of one suffix (this/that become these/those on a plural noun);
  // anything that is not a table suffix comes back unchanged.
  std::string TS(const std::string& suffix) const;

 private:
  std::string& Slot(int type);
  // The slot's suffix as written, without the rendering's marker.
  std::string Bare(int type) const;
  // Bare slots of the types first..last, concatenated.
  std::string Slots(int first, int last) const;
  void Fault(double factor, std::string message);
  void CheckOrder(const std::string& root, const NounSuffix& s, const NounSuffix* previous,
                  const std::string& after);
  void CheckProperties(const CKWord& entry, const NounSuffix& s, const std::string& after);
};
