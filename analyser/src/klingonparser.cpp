#include "morphan/klingonparser.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>

#include "morphan/parsednoun.h"
#include "morphan/parsednum.h"
#include "morphan/parsedverb.h"

namespace {

bool Contains(const CStringList& list, const std::string& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

// Copies what callers need out of a successful analysis.
CParseResult MakeResult(const CParsedWord& parsed, const std::string& word,
                        const std::string& key, bool caseFlag, bool withMessages) {
  CParseResult r;
  r.m_strWord = word;
  r.m_strKey = key;
  r.m_strPos = parsed.POS();
  r.m_strGloss = parsed.ToString();
  r.m_dScore = parsed.m_dScore;
  if (caseFlag) r.Case();
  if (withMessages) {
    r.m_lstErrors.insert(r.m_lstErrors.end(), parsed.m_lstErrors.begin(), parsed.m_lstErrors.end());
    r.m_lstSuggestions.insert(r.m_lstSuggestions.end(), parsed.m_lstSuggestions.begin(),
                              parsed.m_lstSuggestions.end());
  }
  return r;
}

}  // namespace

int CKlingonParser::IsValidChar(char c) {
  switch (c) {
    case 'a': case 'b': case 'c': case 'd': case 'e': case 'g': case 'h': case 'i':
    case 'j': case 'l': case 'm': case 'n': case 'o': case 'p': case 'q': case 'r':
    case 's': case 't': case 'u': case 'v': case 'w': case 'y':
    case 'A': case 'B': case 'C': case 'D': case 'E': case 'G': case 'H': case 'I':
    case 'J': case 'L': case 'M': case 'N': case 'O': case 'P': case 'Q': case 'R':
    case 'S': case 'T': case 'U': case 'V': case 'W': case 'Y':
    case '\'':
      return 1;
    default:
      return 0;
  }
}

void CKlingonParser::AdjustCase(std::string& word) {
  // Word processors curl the apostrophe; it is still the letter '.
  static constexpr std::string_view kApostrophes[] = {"\u2019", "\u2018", "\u02BC"};
  std::string s;
  s.reserve(word.size() + 2);
  for (size_t i = 0; i < word.size(); ++i) {
    const char c = word[i];
    if (static_cast<unsigned char>(c) >= 0x80) {
      const std::string_view rest = std::string_view(word).substr(i);
      for (std::string_view apostrophe : kApostrophes)
        if (rest.starts_with(apostrophe)) {
          s += '\'';
          i += apostrophe.size() - 1;
          break;
        }
      continue;
    }
    if (!IsValidChar(c)) continue;
    switch (c) {
      case 'A': case 'B': case 'C': case 'E': case 'G': case 'J': case 'L': case 'M':
      case 'N': case 'O': case 'P': case 'R': case 'T': case 'U': case 'V': case 'W':
      case 'Y':
        s += static_cast<char>(c - 'A' + 'a');
        break;
      case 'd': case 'i': case 's':
        s += static_cast<char>(c - 'a' + 'A');
        break;
      default:
        s += c;
    }
  }

  auto replaceAll = [](std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    size_t pos = 0;
    for (size_t hit; (hit = text.find(from, pos)) != std::string::npos; pos = hit + from.size())
      out.append(text, pos, hit - pos).append(to);
    out.append(text, pos, std::string::npos);
    text = std::move(out);
  };
  replaceAll(s, "thl", "tlh");
  replaceAll(s, "th", "tlh");

  // An h is H except in ch, gh and tlh.
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] != 'h') continue;
    const bool digraph = (i >= 1 && (s[i - 1] == 'c' || s[i - 1] == 'g')) ||
                         (i >= 2 && s[i - 2] == 't' && s[i - 1] == 'l');
    if (!digraph) s[i] = 'H';
  }

  if (!s.empty() && (s[0] == 'a' || s[0] == 'e' || s[0] == 'I' || s[0] == 'o' || s[0] == 'u'))
    s.insert(s.begin(), '\'');
  word = std::move(s);
}

void CKlingonParser::AnalyseEntries(const std::string& word, bool caseFlag,
                                    std::vector<CParseResult>& results) const {
  // Each Parse starts from Clear(), so the analysis objects can outlive the
  // call; building and destroying them was a good part of a short word's cost.
  // No analysis runs inside another one (the suggestion check comes after).
  struct Scratch {
    CParsedNoun noun, pronounNoun;
    CParsedVerb verb, pronounVerb;
    CParsedNum num;
    CParsedWord plain;
    std::vector<uint32_t> candidates;
  };
  thread_local Scratch scratch;
  CParsedNoun& noun = scratch.noun;
  CParsedNoun& pronounNoun = scratch.pronounNoun;
  CParsedVerb& verb = scratch.verb;
  CParsedVerb& pronounVerb = scratch.pronounVerb;
  CParsedNum& num = scratch.num;
  CParsedWord& plain = scratch.plain;
  std::vector<uint32_t>& candidates = scratch.candidates;

  auto tryEntry = [&](const CKLex::Entry& e) {
    const std::string& key = e.first;
    const CKWord& entry = e.second;
    auto attempt = [&](auto& parsed, bool withMessages) {
      parsed.Clear();
      if (parsed.Parse(word, entry))
        results.push_back(MakeResult(parsed, word, key, caseFlag, withMessages));
    };
    switch (entry.m_nPos) {
      case kPosNoun: attempt(noun, true); break;
      case kPosVerb: attempt(verb, true); break;
      case kPosPronoun:
        attempt(pronounNoun, true);
        attempt(pronounVerb, true);
        break;
      case kPosNumber: attempt(num, true); break;
      default: attempt(plain, false); break;
    }
  };

  if (m_bFullScan) {
    for (const auto& e : *m_pLexicon)
      if (word.find(e.second.m_strWord) != std::string::npos) tryEntry(e);
    return;
  }
  // The same entries in the same order as the scan above.
  m_pLexicon->FindEntriesIn(word, candidates);
  for (const uint32_t pos : candidates) tryEntry(m_pLexicon->EntryAt(pos));
}

int CKlingonParser::ParseWord(std::string word, std::vector<CParseResult>& results) {
  const std::string original = word;
  AdjustCase(word);
  if (word.size() > kMaxWordLength) {
    if (m_pBudget == nullptr) m_nBudget = kSuggestionBudget;
    return static_cast<int>(results.size());
  }
  const bool caseFlag = word != original;

  // A top-level call into an empty array gives what it gave before for the
  // same word, as long as the lexicon is unchanged.
  const bool memoise = m_pMemo && m_pLexicon && results.empty() && m_pBudget == nullptr &&
                       m_nDepth == 0 && m_lstVisited.empty();
  if (!memoise) return Analyse(word, caseFlag, results);
  const std::string key = (caseFlag ? "1" : "0") + word;
  if (const CParseMemo::Stored* stored = m_pMemo->Find(*m_pLexicon, key)) {
    results = stored->results;
    m_nBudget = kSuggestionBudget - stored->analyses;
    return static_cast<int>(results.size());
  }
  Analyse(word, caseFlag, results);
  m_pMemo->Store(key, {results, SuggestionAnalyses()});
  return static_cast<int>(results.size());
}

int CKlingonParser::Analyse(const std::string& word, bool caseFlag,
                            std::vector<CParseResult>& results) {
  if (m_pLexicon) AnalyseEntries(word, caseFlag, results);

  // The suggestion check: re-analyse each suggestion and drop faulty ones.
  // The first call of a chain owns the analysis budget of the whole chain.
  const bool ownsBudget = m_pBudget == nullptr;
  if (ownsBudget) {
    m_nBudget = kSuggestionBudget;
    m_pBudget = &m_nBudget;
  }
  ++m_nDepth;
  m_lstVisited.push_back(word);
  SuggestionCheck(results);
  --m_nDepth;
  if (m_nDepth == 0) m_lstVisited.clear();
  if (ownsBudget) m_pBudget = nullptr;
  return static_cast<int>(results.size());
}

void CKlingonParser::SuggestionCheck(std::vector<CParseResult>& results) {
  // Made when first needed: most words suggest nothing.
  std::optional<CKlingonParser> helper;
  const size_t count = results.size();
  for (size_t i = 0; i < count; ++i) {
    if (results[i].m_lstSuggestions.empty()) continue;
    if (!helper) {
      helper.emplace();
      helper->m_pLexicon = m_pLexicon;
      helper->m_bFullScan = m_bFullScan;
      helper->m_nDepth = m_nDepth;
      helper->m_lstVisited = m_lstVisited;
      helper->m_pBudget = m_pBudget;
    }
    CParseResult copy = results[i];
    CheckSuggestions(copy, *helper);
    results[i] = std::move(copy);
  }
}

void CKlingonParser::CheckSuggestions(CParseResult& result, CKlingonParser& helper) {
  CStringList& list = result.m_lstSuggestions;
  CStringList removed;  // texts taken out during this walk; never appended again

  auto it = list.begin();
  while (it != list.end()) {
    // The successor is read before the entry is handled, so what is appended
    // while the last entry is handled is not visited.
    const auto next = std::next(it);
    const std::string suggestion = *it;

    if (!Contains(m_lstVisited, suggestion)) {
      const bool mayAnalyse = m_nDepth < kMaxDepth && m_pBudget && *m_pBudget > 0;
      if (!mayAnalyse) {
        removed.push_back(suggestion);
        list.erase(it);
      } else {
        --*m_pBudget;
        std::vector<CParseResult> readings;
        helper.ParseWord(suggestion, readings);
        auto firstFaulty = std::find_if(readings.begin(), readings.end(),
                                        [](const CParseResult& r) { return r.m_dScore != 1.0; });
        if (readings.empty() || firstFaulty != readings.end()) {
          removed.push_back(suggestion);
          list.erase(it);
          for (auto r = firstFaulty; r != readings.end(); ++r) {
            if (r->m_dScore == 1.0) continue;
            for (const auto& s : r->m_lstSuggestions)
              if (!Contains(list, s) && !Contains(removed, s)) list.push_back(s);
          }
        }
      }
    }
    it = next;
  }
}
