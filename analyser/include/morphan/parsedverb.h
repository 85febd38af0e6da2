#pragma once
// Verb analysis: prefix, root, suffixes and rovers, with the grammar checks.
#include <string>

#include "morphan/parsednoun.h"
#include "morphan/parsedword.h"

class CParsedVerb : public CParsedWord {
 public:
  CParsedVerb() { Clear(); }

  int m_bStative = 0;
  std::string m_strPrefix;
  std::string m_strSubject;  // English gloss with its trailing blank, "I "
  std::string m_strObject;   // likewise; "" for prefixes without object
  std::string m_strSuffix[9];  // suffix of type t at index t - 1
  // Rovers by position: 0 right after the root, t + 1 right after the type t
  // suffix (position 1 is never written).
  std::string m_strBe[11];
  std::string m_strQu[11];
  std::string m_strBeQu[11];
  std::string m_strQuBe[11];
  std::string m_strNegation;  // "not" when -Ha' is present
  std::string m_strRefusal;   // "refuse to " when -Qo' is present
  int m_bNominalised = 0;     // turned into a noun by -ghach or -wI'
  int m_bPronoun = 0;         // a pronoun used as a verb
  int m_bNounForm = 0;        // m_noun holds the reading to render
  CParsedNoun m_noun;

  void Clear();
  // 1 when `word` is a verb form of `entry`, with or without prefix.
  int Parse(const std::string& word, const CKWord& entry);
  int ParseWithPrefix(const std::string& word, const CKWord& entry);
  // Root and suffixes of a word whose prefix (if any) is already recorded.
  int ParseNoPrefix(const std::string& word, const CKWord& entry);

  std::string ToString() const override;
  std::string ToStringKlingon() const override;

  // One row of the verb prefix table.
  struct PrefixRow {
    const char* prefix;
    const char* subject;
    const char* object;
  };
  // One row of the verb suffix table; type 0 marks a rover.
  struct SuffixRow {
    const char* text;
    const char* gloss;
    int type;
  };
  static constexpr int kPrefixCount = 28;
  static constexpr int kSuffixCount = 40;
  static const PrefixRow kPrefixes[kPrefixCount];
  static const SuffixRow kSuffixes[kSuffixCount];

 protected:
  int IsImperative() const;
  // Klingon text of the recorded suffixes of types below n, with their rovers.
  std::string BuildSuffixes(int n) const;

  // Gloss of a suffix text; the text itself when it is not a suffix.
  std::string TS(const std::string& text) const;
  // Auxiliary for m_strSubject: kind 1 forms of "be", other kinds of "do".
  std::string Aux(int kind) const;
  std::string Root() const;
  std::string NegRoot() const;
  std::string VS2(int withAux) const;
  std::string VS3(int withAux) const;
  std::string VS4(int withAux) const;
  std::string VS5() const;
  std::string VS6() const;
  std::string VS7() const;

  // Rendering of a pronoun used as a verb; sets m_strSubject from the
  // pronoun's definition.
  std::string ToStringPronoun();
  std::string PronounRoot(int withAux, int bare) const;
  // The verb gloss proper; fills in subject and object, so ToString runs it
  // on a copy.
  std::string RenderGloss();

 private:
  // Working state of one suffix scan, shared by the grammar checks.
  struct Scan;
  void CheckBeforeRecord(Scan& scan, const std::string& suffix, int type);
  void CheckAfterRecord(Scan& scan, const std::string& suffix, int type);
  void CheckAfterScan(Scan& scan);
  void CheckStativePrefix();
  void Fault(const std::string& message, double factor);
};
