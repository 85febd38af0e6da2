#include <array>
#include <string_view>

#include "morphan/parsedverb.h"
#include "verbscan.h"

namespace {

// Runs for every suffix of every verb reading tried: the texts are measured
// once, and a row whose first letter differs is passed over without a compare.
const CParsedVerb::SuffixRow* FindSuffix(std::string_view rest) {
  static const auto texts = [] {
    std::array<std::string_view, CParsedVerb::kSuffixCount> t;
    for (int i = 0; i < CParsedVerb::kSuffixCount; ++i) t[i] = CParsedVerb::kSuffixes[i].text;
    return t;
  }();
  for (int i = 0; i < CParsedVerb::kSuffixCount; ++i) {
    const std::string_view text = texts[i];
    if (!text.empty() && (rest.empty() || rest[0] != text[0])) continue;
    if (rest.starts_with(text)) return &CParsedVerb::kSuffixes[i];
  }
  return nullptr;
}

}  // namespace

int CParsedVerb::ParseNoPrefix(const std::string& word, const CKWord& entry) {
  if (entry.m_nPos != kPosVerb && entry.m_nPos != kPosPronoun) return 0;
  m_bNounForm = 0;
  // The demonstrative pronoun is never a verb.
  if (entry.m_nPos == kPosPronoun && entry.m_strDefinition == "that") return 0;
  m_bPronoun = entry.m_nPos == kPosPronoun ? 1 : 0;
  m_bStative = entry.m_bStative;
  if (!std::string_view(word).starts_with(entry.m_strWord)) return 0;

  m_strWord = word;
  m_dScore = 1.0;
  m_strDefinition = entry.m_strDefinition;
  m_strRoot = entry.m_strWord;
  int result = 1;
  bool nominalised = false;

  Scan scan;
  scan.rest = word.substr(entry.m_strWord.size());
  if (!scan.rest.empty()) {
    // Greedy: the first row that matches wins, and nothing is undone.
    while (const SuffixRow* row = FindSuffix(scan.rest)) {
      const std::string suffix = row->text;
      const int type = row->type;
      CheckBeforeRecord(scan, suffix, type);

      scan.roverSlot = nullptr;
      if (type > 0) {
        m_strSuffix[type - 1] = suffix;
      } else if (suffix == "Ha'") {
        m_strNegation = row->gloss;
      } else if (suffix == "Qo'") {
        m_strRefusal = row->gloss;
      } else {
        const int pos = scan.lastType + 1;
        std::string* slots = suffix == "be'"    ? m_strBe
                             : suffix == "qu'"  ? m_strQu
                             : suffix == "be'qu'" ? m_strBeQu
                                                  : m_strQuBe;
        scan.roverSlot = &slots[pos];
        scan.roverBefore = slots[pos];
        slots[pos] = suffix;
      }

      CheckAfterRecord(scan, suffix, type);
      scan.rest.erase(0, suffix.size());
      if (suffix == "ghach" || suffix == "wI'") {
        nominalised = true;
        break;
      }
      if (scan.rest.empty()) break;
      if (type != 0) {
        scan.lastType = type;
        scan.prev = suffix;
      }
    }
    if (!scan.rest.empty()) result = 0;
    CheckAfterScan(scan);
  }
  if (!nominalised) return result;

  // The verb part becomes the root of a noun whose suffixes follow it.
  m_bNominalised = 1;
  CKWord noun;
  noun.m_nPos = kPosNoun;
  noun.m_strWord = m_strWord.substr(0, m_strWord.size() - scan.rest.size());
  noun.m_strDefinition = ToString();
  m_noun.Clear();
  const int parsed = m_noun.Parse(m_strWord, noun);
  m_bNounForm = 1;
  return parsed;
}
