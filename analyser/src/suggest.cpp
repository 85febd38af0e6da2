#include "morphan/suggest.h"

#include <algorithm>
#include <unordered_set>

#include "morphan/parsedverb.h"

namespace morphan {

namespace {

constexpr std::string_view kMultiLetters[] = {"tlh", "ch", "gh", "ng"};

// Length of the letter starting at `text[i]`.
size_t LetterLength(std::string_view text, size_t i) {
  for (std::string_view letter : kMultiLetters)
    if (text.substr(i, letter.size()) == letter) return letter.size();
  const auto lead = static_cast<unsigned char>(text[i]);
  size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  return std::min(n, text.size() - i);
}

// One number per letter; multi-character letters and UTF-8 sequences get
// numbers above the byte range.
std::vector<uint32_t> LetterCodes(std::string_view text) {
  std::vector<uint32_t> codes;
  for (size_t i = 0; i < text.size();) {
    const size_t n = LetterLength(text, i);
    uint32_t code = 0;
    for (size_t k = 0; k < n; ++k) code = code * 256 + static_cast<unsigned char>(text[i + k]);
    codes.push_back(n == 1 ? code : code | 0x80000000u);
    i += n;
  }
  return codes;
}

bool CaseSlip(uint32_t a, uint32_t b) {
  if (a >= 128 || b >= 128) return false;
  const auto lower = [](uint32_t c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
  return lower(a) == lower(b) && lower(a) >= 'a' && lower(a) <= 'z';
}

// Optimal string alignment distance in half edits, cut off above `limit`.
int Distance(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int limit) {
  const int n = int(a.size()), m = int(b.size());
  if (std::abs(n - m) * 2 > limit) return limit + 1;
  std::vector<int> prev2(m + 1), prev(m + 1), cur(m + 1);
  for (int j = 0; j <= m; ++j) prev[j] = 2 * j;
  for (int i = 1; i <= n; ++i) {
    cur[0] = 2 * i;
    int rowMin = cur[0];
    for (int j = 1; j <= m; ++j) {
      const int change = a[i - 1] == b[j - 1] ? 0 : CaseSlip(a[i - 1], b[j - 1]) ? 1 : 2;
      int d = std::min({prev[j] + 2, cur[j - 1] + 2, prev[j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d = std::min(d, prev2[j - 2] + 2);
      cur[j] = d;
      rowMin = std::min(rowMin, d);
    }
    if (rowMin > limit) return limit + 1;
    std::swap(prev2, prev);
    std::swap(prev, cur);
  }
  return std::min(prev[m], limit + 1);
}

}  // namespace

std::vector<std::string> KlingonLetters(std::string_view word) {
  std::vector<std::string> letters;
  for (size_t i = 0; i < word.size();) {
    const size_t n = LetterLength(word, i);
    letters.emplace_back(word.substr(i, n));
    i += n;
  }
  return letters;
}

int SpellingDistance(std::string_view a, std::string_view b, int limit) {
  return Distance(LetterCodes(a), LetterCodes(b), limit);
}

CSpellingSuggester::CSpellingSuggester(const CKLex& lexicon) {
  std::unordered_set<std::string> seen;
  for (const auto& [key, entry] : lexicon) {
    const std::string& word = entry.m_strWord;
    if (word.empty() || word.find(' ') != std::string::npos || !seen.insert(word).second) continue;
    Units units = LetterCodes(word);
    if (units.size() >= m_byLength.size()) m_byLength.resize(units.size() + 1);
    m_byLength[units.size()].push_back({word, std::move(units)});
  }
  for (const auto& row : CParsedVerb::kPrefixes)
    if (*row.prefix) m_prefixes.emplace_back(row.prefix);
  for (const auto& row : CParsedVerb::kSuffixes) m_suffixes.emplace_back(row.text);
  for (const auto& s : NounSuffixTable()) m_suffixes.emplace_back(s.suffix);
  std::sort(m_suffixes.begin(), m_suffixes.end());
  m_suffixes.erase(std::unique(m_suffixes.begin(), m_suffixes.end()), m_suffixes.end());
  std::unordered_set<std::string> endings(m_suffixes.begin(), m_suffixes.end());
  for (const std::string& a : m_suffixes)
    for (const std::string& b : m_suffixes) endings.insert(a + b);
  for (const std::string& e : endings) m_endings.push_back({e, LetterCodes(e)});
  std::sort(m_endings.begin(), m_endings.end(),
            [](const Root& a, const Root& b) { return a.word < b.word; });
}

void CSpellingSuggester::Near(const Units& units,
                              std::vector<std::pair<const Root*, int>>& out) const {
  const size_t reach = kLimit / 2;
  const size_t lo = units.size() > reach ? units.size() - reach : 0;
  for (size_t len = lo; len <= units.size() + reach && len < m_byLength.size(); ++len)
    for (const Root& root : m_byLength[len]) {
      const int d = Distance(units, root.units, kLimit);
      if (d <= kLimit) out.emplace_back(&root, d);
    }
}

std::vector<std::string> CSpellingSuggester::Suggest(std::string_view word,
                                                     CKlingonParser& parser,
                                                     size_t maxCount) const {
  struct Candidate {
    std::string word;
    int cost;
    bool inflected;
  };
  std::vector<Candidate> candidates;
  const Units units = LetterCodes(word);
  if (units.empty() || units.size() > kMaxLetters) return {};

  std::vector<std::pair<const Root*, int>> near;
  Near(units, near);
  for (const auto& [root, d] : near) candidates.push_back({root->word, d, false});

  // Where the word's end is a chain of suffixes: tails[i] is true when
  // word[i..] is one.
  std::vector<char> tails(word.size() + 1, 0);
  tails[word.size()] = 1;
  for (size_t i = word.size(); i-- > 0;)
    for (const std::string& s : m_suffixes)
      if (word.substr(i, s.size()) == s && tails[i + s.size()]) {
        tails[i] = 1;
        break;
      }
  std::vector<std::string_view> heads{std::string_view()};
  for (const std::string& p : m_prefixes)
    if (word.substr(0, p.size()) == p) heads.push_back(p);
  for (std::string_view head : heads) {
    for (size_t end = head.size() + 1; end <= word.size(); ++end) {
      // The bare word was looked at above.
      if (!tails[end] || (head.empty() && end == word.size())) continue;
      const std::string_view stem = word.substr(head.size(), end - head.size());
      near.clear();
      Near(LetterCodes(stem), near);
      for (const auto& [root, d] : near)
        candidates.push_back(
            {std::string(head) + root->word + std::string(word.substr(end)), d, true});
    }
  }

  // A lexicon word followed by an ending that is not quite a chain of suffixes.
  for (std::string_view head : heads) {
    for (const auto& bucket : m_byLength)
      for (const Root& root : bucket) {
        const std::string_view rest = word.substr(head.size());
        if (rest.size() <= root.word.size() || rest.substr(0, root.word.size()) != root.word ||
            tails[head.size() + root.word.size()])
          continue;
        const Units tail = LetterCodes(rest.substr(root.word.size()));
        for (const Root& ending : m_endings) {
          const int d = Distance(tail, ending.units, kLimit);
          if (d <= kLimit)
            candidates.push_back({std::string(head) + root.word + ending.word, d, true});
        }
      }
  }

  std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.cost != b.cost) return a.cost < b.cost;
    if (a.inflected != b.inflected) return !a.inflected;
    return a.word < b.word;
  });
  std::vector<std::string> out;
  std::unordered_set<std::string> seen{std::string(word)};
  int checks = 0;
  for (const Candidate& c : candidates) {
    if (out.size() >= maxCount) break;
    if (!seen.insert(c.word).second) continue;
    if (c.inflected) {
      if (checks++ >= kMaxChecks) continue;
      std::vector<CParseResult> results;
      parser.ParseWord(c.word, results);
      if (std::none_of(results.begin(), results.end(),
                       [](const CParseResult& r) { return r.m_dScore == 1.0; }))
        continue;
    }
    out.push_back(c.word);
  }
  return out;
}

}  // namespace morphan
