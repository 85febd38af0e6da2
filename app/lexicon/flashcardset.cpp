#include "flashcardset.h"

#include <algorithm>
#include <vector>

namespace {

struct CFlashItem {
  const std::string* pKey;
  const CKWord* pWord;
};

// A noun with both flags counts for both of its types.
void AddCandidates(const std::string& key, const CKWord& w, const FlashTypeSet& types,
                   std::vector<CFlashItem>& out) {
  auto add = [&](int type) {
    if (types[type]) out.push_back({&key, &w});
  };
  switch (w.m_nPos) {
    case kPosNoun:
      if (w.m_bBodyPart) add(kFlashNounBodyPart);
      if (w.m_bBeing) add(kFlashNounBeing);
      if (!w.m_bBodyPart && !w.m_bBeing) add(kFlashNounGeneral);
      break;
    case kPosVerb: add(w.m_bStative ? kFlashVerbStative : kFlashVerbOther); break;
    case kPosPronoun: add(kFlashPronoun); break;
    case kPosAdverb: add(kFlashAdverb); break;
    case kPosNumber: add(kFlashNumber); break;
    case kPosConj: add(kFlashConj); break;
    case kPosExcl: add(kFlashExcl); break;
    case kPosQues: add(kFlashQues); break;
    default: break;
  }
}

}  // namespace

CKLex BuildTestSet(const CKLex& lex, const FlashTypeSet& types, int size) {
  CKLex set;
  if (size <= 0) return set;
  std::vector<CFlashItem> candidates;
  for (const auto& [key, word] : lex)
    if (!word.m_bExcluded) AddCandidates(key, word, types, candidates);
  std::stable_sort(candidates.begin(), candidates.end(),
                   [](const CFlashItem& a, const CFlashItem& b) {
                     return a.pWord->m_nScore < b.pWord->m_nScore;
                   });
  for (const CFlashItem& c : candidates) {
    if (set.GetCount() >= size_t(size)) break;
    set.SetAt(*c.pKey, *c.pWord);
  }
  return set;
}

bool WriteBackTestSet(const CKLex& testSet, CKLex& lex) {
  bool changed = false;
  for (const auto& [key, word] : testSet) {
    const CKWord* stored = lex.Lookup(key);
    if (!stored || *stored == word) continue;
    lex.SetAt(key, word);
    changed = true;
  }
  return changed;
}
