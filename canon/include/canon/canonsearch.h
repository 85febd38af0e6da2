#pragma once
// Finding canon sentences by a Klingon word.
#include <string_view>
#include <vector>

class CEntryDB;

enum class CanonMatch {
  kWholeWord,   // "Sop" finds "Soj vISop" only where Sop stands alone
  kInsideWord,  // "Sop" also finds the inflected "vISop"
};

// Whether `text` holds `word` (one word or several). Klingon letters are
// compared exactly: q and Q differ. The typographic apostrophe counts as '.
bool CanonTextHas(std::string_view text, std::string_view word, CanonMatch how);

// Indexes of the entries whose Klingon text holds `word`, in database order;
// none for an empty word.
std::vector<size_t> SearchCanon(const CEntryDB& db, std::string_view word, CanonMatch how);
