#pragma once
// Spelling suggestions for a word the analyser finds no reading for: lexicon
// words, and inflected forms whose root is a lexicon word, that lie within two
// edits of it (a misspelt root or a misspelt ending). Klingon letters count as units (ch, gh, ng and tlh are one
// letter each), and a slip of case (q for Q) counts half an edit.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "morphan/klingonparser.h"
#include "wordbank/klex.h"

namespace morphan {

// The letters of `word`: tlh, ch, gh and ng as one unit each, any other
// character (a whole UTF-8 sequence) as one.
std::vector<std::string> KlingonLetters(std::string_view word);

// Edit distance in half edits between two words, letters as units: a change,
// an insertion, a deletion or two neighbours swapped cost 2, a change of case
// only 1. Anything above `limit` comes back as limit + 1.
int SpellingDistance(std::string_view a, std::string_view b, int limit);

class CSpellingSuggester {
 public:
  // Two edits, in half edits.
  static constexpr int kLimit = 4;
  // Words longer than this (in letters) get no suggestions.
  static constexpr size_t kMaxLetters = 40;
  // Inflected candidates checked with the analyser per word, at most.
  static constexpr int kMaxChecks = 12;

  explicit CSpellingSuggester(const CKLex& lexicon);

  // Correct words near `word`, best first: nearer before farther, lexicon
  // words before inflected forms, then in text order. `parser` checks the
  // inflected forms; only forms with a reading without problems are offered.
  std::vector<std::string> Suggest(std::string_view word, CKlingonParser& parser,
                                   size_t maxCount = 8) const;

 private:
  using Units = std::vector<uint32_t>;
  struct Root {
    std::string word;
    Units units;
  };
  // Lexicon words near `units`, with their distances.
  void Near(const Units& units, std::vector<std::pair<const Root*, int>>& out) const;

  // The lexicon's words by their length in letters.
  std::vector<std::vector<Root>> m_byLength;
  std::vector<std::string> m_prefixes;
  std::vector<std::string> m_suffixes;
  // Every suffix and every pair of suffixes, for mending a misspelt ending.
  std::vector<Root> m_endings;
};

}  // namespace morphan
