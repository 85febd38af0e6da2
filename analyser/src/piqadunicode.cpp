#include "morphan/piqadunicode.h"

namespace morphan {

namespace {

// Every code point of the block is three UTF-8 bytes: EF A3 90 to EF A3 BF.
constexpr char kLead0 = '\xEF', kLead1 = '\xA3';

void AppendBlockChar(std::string& out, char32_t cp) {
  out += kLead0;
  out += kLead1;
  out += static_cast<char>(0x80 | (cp & 0x3F));
}

// The code point of the block starting at `i`, or 0 when there is none.
char32_t BlockCharAt(std::string_view text, size_t i) {
  if (i + 2 >= text.size() || text[i] != kLead0 || text[i + 1] != kLead1) return 0;
  const auto last = static_cast<unsigned char>(text[i + 2]);
  if (last < 0x90 || last > 0xBF) return 0;
  return 0xF8C0 + (last & 0x3F);
}

// Index of the Latin letter at the start of `rest` and its length, longest
// spelling first; -1 when no letter starts there.
int LetterAt(std::string_view rest, size_t& length) {
  if (rest.starts_with("tlh")) { length = 3; return 20; }
  if (rest.starts_with("ch")) { length = 2; return 2; }
  if (rest.starts_with("gh")) { length = 2; return 5; }
  if (rest.starts_with("ng")) { length = 2; return 12; }
  // Typographic apostrophes typed for the letter '.
  if (rest.starts_with("\u2019") || rest.starts_with("\u02BC")) {
    length = rest.starts_with("\u2019") ? 3 : 2;
    return 25;
  }
  length = 1;
  switch (rest[0]) {
    case 'd': return 3;
    case 'h': return 6;
    case 'i': return 7;
    case 's': return 18;
    case 'c': case 'g': return -1;
    default: break;
  }
  for (int k = 0; k < 26; ++k)
    if (kCsurLetters[k].size() == 1 && kCsurLetters[k][0] == rest[0]) return k;
  return -1;
}

// The font code of each letter, in block order.
constexpr std::string_view kFontCode = "ABCDEGHIJLMNFOPKQRSTXUVWY'";

// Unicode pIqaD back to single-byte texts: each letter as `letter` spells it,
// digits and punctuation as ASCII, anything else copied.
template <typename LetterText>
std::string FromBlock(std::string_view text, LetterText letter) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const char32_t cp = BlockCharAt(text, i);
    if (cp >= kCsurFirstLetter && cp < kCsurFirstLetter + 26) {
      out += letter(cp - kCsurFirstLetter);
    } else if (cp >= kCsurFirstDigit && cp < kCsurFirstDigit + 10) {
      out += static_cast<char>('0' + (cp - kCsurFirstDigit));
    } else if (cp == kCsurComma || cp == kCsurFullStop) {
      out += cp == kCsurComma ? ',' : '.';
    } else {
      // Unassigned code points of the block and the mummification glyph stay as they are.
      out.append(text.substr(i, cp ? 3 : 1));
    }
    i += cp ? 3 : 1;
  }
  return out;
}

}  // namespace

std::string LatinToUnicodePiqad(std::string_view latin) {
  std::string out;
  out.reserve(latin.size() * 3);
  size_t i = 0;
  while (i < latin.size()) {
    const char c = latin[i];
    size_t length = 1;
    if (c >= '0' && c <= '9') {
      AppendBlockChar(out, kCsurFirstDigit + char32_t(c - '0'));
    } else if (c == ',' || c == '.') {
      AppendBlockChar(out, c == ',' ? kCsurComma : kCsurFullStop);
    } else if (const int letter = LetterAt(latin.substr(i), length); letter >= 0) {
      AppendBlockChar(out, kCsurFirstLetter + char32_t(letter));
    } else {
      out += c;
    }
    i += length;
  }
  return out;
}

std::string UnicodePiqadToLatin(std::string_view text) {
  return FromBlock(text, [](size_t k) { return kCsurLetters[k]; });
}

std::string FontCodeToUnicodePiqad(std::string_view code) {
  std::string out;
  out.reserve(code.size() * 3);
  for (const char c : code) {
    if (c >= '0' && c <= '9') {
      AppendBlockChar(out, kCsurFirstDigit + char32_t(c - '0'));
    } else if (c == ',' || c == '.') {
      AppendBlockChar(out, c == ',' ? kCsurComma : kCsurFullStop);
    } else if (const size_t k = kFontCode.find(c); k != std::string_view::npos) {
      AppendBlockChar(out, kCsurFirstLetter + char32_t(k));
    } else {
      out += c;
    }
  }
  return out;
}

std::string UnicodePiqadToFontCode(std::string_view text) {
  return FromBlock(text, [](size_t k) { return kFontCode.substr(k, 1); });
}

bool ContainsUnicodePiqad(std::string_view text) {
  for (size_t i = 0; i < text.size(); ++i)
    if (BlockCharAt(text, i)) return true;
  return false;
}

}  // namespace morphan
