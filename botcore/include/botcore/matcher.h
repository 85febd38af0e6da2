#pragma once
// Pattern matching on the words of a typed line.
//
// A line is cut into words at white space; each word loses the punctuation
// around it (the apostrophe is a Klingon letter and stays; curly apostrophes
// become straight ones). A pattern is a run of words matched case-sensitively
// against consecutive words anywhere in the line: "a|b" accepts either word,
// "*" any number of words (captured for $1..$9 in the response, longest
// first), "*'e'" one word ending in 'e' (captured without it: "Tom'e'"
// gives "Tom"). An empty pattern matches only an empty line.
#include <string>
#include <string_view>
#include <vector>

namespace botcore {

using CWordList = std::vector<std::string>;

// At most this many words of a line are looked at.
constexpr size_t kMaxInputWords = 200;

CWordList SplitWords(std::string_view text);

class CPattern {
 public:
  explicit CPattern(std::string_view text);
  // On a match fills `captures` with one text per "*" (words joined by a space).
  bool Match(const CWordList& words, std::vector<std::string>& captures) const;
  bool IsEmpty() const { return m_arrTokens.empty(); }

 private:
  struct Token {
    bool bStar = false;
    std::string strSuffix;  // "*suffix": one word ending so
    std::vector<std::string> arrWords;
  };
  std::vector<Token> m_arrTokens;
};

// Replaces $1..$9 by the captures ("" when missing) and $$ by $.
std::string FillResponse(std::string_view response, const std::vector<std::string>& captures);

}  // namespace botcore
