#include "botcore/matcher.h"

#include <array>

namespace botcore {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v'; }

bool IsAsciiPunct(char c) {
  static constexpr std::string_view kPunct = ".,!?;:\"()[]{}<>*|/\\~`@#%^&=+_$";
  return kPunct.find(c) != std::string_view::npos;
}

// UTF-8 punctuation that may stand around a word.
constexpr std::array<std::string_view, 9> kWidePunct = {
    "\u201c", "\u201d", "\u2026", "\u00ab", "\u00bb", "\u00a1", "\u00bf", "\u2013", "\u2014"};

size_t PunctAtStart(std::string_view w) {
  if (!w.empty() && IsAsciiPunct(w.front())) return 1;
  for (auto p : kWidePunct)
    if (w.starts_with(p)) return p.size();
  return 0;
}

size_t PunctAtEnd(std::string_view w) {
  if (!w.empty() && IsAsciiPunct(w.back())) return 1;
  for (auto p : kWidePunct)
    if (w.ends_with(p)) return p.size();
  return 0;
}

std::string NormaliseWord(std::string_view raw) {
  std::string w;
  w.reserve(raw.size());
  for (size_t i = 0; i < raw.size(); ++i) {
    // U+2018 and U+2019, the typographic apostrophes
    if (raw.substr(i, 2) == "\xe2\x80" && i + 2 < raw.size() &&
        (raw[i + 2] == '\x98' || raw[i + 2] == '\x99')) {
      w += '\'';
      i += 2;
    } else {
      w += raw[i];
    }
  }
  std::string_view v(w);
  while (size_t n = PunctAtStart(v)) v.remove_prefix(n);
  while (size_t n = PunctAtEnd(v)) v.remove_suffix(n);
  return std::string(v);
}

template <typename F>
void ForEachPiece(std::string_view text, F&& f) {
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && IsSpace(text[i])) ++i;
    const size_t start = i;
    while (i < text.size() && !IsSpace(text[i])) ++i;
    if (i > start) f(text.substr(start, i - start));
  }
}

}  // namespace

CWordList SplitWords(std::string_view text) {
  CWordList words;
  ForEachPiece(text, [&](std::string_view piece) {
    if (words.size() >= kMaxInputWords) return;
    std::string w = NormaliseWord(piece);
    if (!w.empty()) words.push_back(std::move(w));
  });
  return words;
}

CPattern::CPattern(std::string_view text) {
  ForEachPiece(text, [&](std::string_view piece) {
    Token token;
    if (piece == "*") {
      token.bStar = true;
    } else if (piece.size() > 1 && piece.front() == '*') {
      token.bStar = true;
      token.strSuffix = NormaliseWord(piece.substr(1));
      if (token.strSuffix.empty()) return;
    } else {
      size_t start = 0;
      for (;;) {
        const size_t bar = piece.find('|', start);
        std::string w = NormaliseWord(piece.substr(start, bar == std::string_view::npos ? bar : bar - start));
        if (!w.empty()) token.arrWords.push_back(std::move(w));
        if (bar == std::string_view::npos) break;
        start = bar + 1;
      }
      if (token.arrWords.empty()) return;
    }
    m_arrTokens.push_back(std::move(token));
  });
}

bool CPattern::Match(const CWordList& words, std::vector<std::string>& captures) const {
  const size_t m = m_arrTokens.size();
  const size_t n = words.size();
  if (m == 0) {
    captures.clear();
    return n == 0;
  }
  // Whether tokens from t on can match words from w on does not depend on
  // where the match began, so failures are remembered across start points.
  std::vector<char> failed((m + 1) * (n + 1), 0);
  std::vector<std::pair<size_t, size_t>> spans(m);
  auto rec = [&](auto& self, size_t t, size_t w) -> bool {
    if (t == m) return true;
    char& memo = failed[t * (n + 1) + w];
    if (memo) return false;
    const Token& tok = m_arrTokens[t];
    if (tok.bStar && !tok.strSuffix.empty()) {
      if (w < n && words[w].size() > tok.strSuffix.size() && words[w].ends_with(tok.strSuffix)) {
        spans[t] = {w, 1};
        if (self(self, t + 1, w + 1)) return true;
      }
    } else if (tok.bStar) {
      for (size_t k = n - w + 1; k-- > 0;) {
        spans[t] = {w, k};
        if (self(self, t + 1, w + k)) return true;
      }
    } else if (w < n) {
      for (const auto& alt : tok.arrWords) {
        if (alt == words[w]) {
          if (self(self, t + 1, w + 1)) return true;
          break;
        }
      }
    }
    memo = 1;
    return false;
  };
  for (size_t s = 0; s <= n; ++s) {
    if (!rec(rec, 0, s)) continue;
    captures.clear();
    for (size_t t = 0; t < m; ++t) {
      if (!m_arrTokens[t].bStar) continue;
      std::string text;
      for (size_t k = 0; k < spans[t].second; ++k) {
        if (k) text += ' ';
        text += words[spans[t].first + k];
      }
      text.resize(text.size() - m_arrTokens[t].strSuffix.size());
      captures.push_back(std::move(text));
    }
    return true;
  }
  return false;
}

std::string FillResponse(std::string_view response, const std::vector<std::string>& captures) {
  std::string out;
  out.reserve(response.size());
  for (size_t i = 0; i < response.size(); ++i) {
    const char c = response[i];
    if (c == '$' && i + 1 < response.size()) {
      const char d = response[i + 1];
      if (d == '$') {
        out += '$';
        ++i;
        continue;
      }
      if (d >= '1' && d <= '9') {
        const size_t idx = static_cast<size_t>(d - '1');
        if (idx < captures.size()) out += captures[idx];
        ++i;
        continue;
      }
    }
    out += c;
  }
  return out;
}

}  // namespace botcore
