#include "morphan/piqad.h"

namespace morphan {

namespace {

// Length of the UTF-8 sequence that starts with `lead`; stray continuation
// bytes count as one so a damaged text never stalls the loop.
size_t Utf8Length(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  return 4;
}

// Skips one whole character, so that a pair rule never cuts a UTF-8 sequence in half.
size_t NextChar(std::string_view text, size_t i) {
  if (i >= text.size()) return i;
  const size_t len = Utf8Length(static_cast<unsigned char>(text[i]));
  return i + len > text.size() ? text.size() : i + len;
}

}  // namespace

std::string ToPiqad(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    switch (c) {
      case 'a': case 'b': case 'd': case 'e': case 'h': case 'i': case 'j': case 'l': case 'm':
      case 'o': case 'p': case 'r': case 's': case 'u': case 'v': case 'w': case 'y':
        out += static_cast<char>(c - 'a' + 'A');
        ++i;
        break;
      case 'q':
        out += 'K';
        ++i;
        break;
      case 'c':
      case 'g':
        out += c == 'c' ? 'C' : 'G';
        i = NextChar(text, i + 1);
        break;
      case 'n':
        if (i + 1 < text.size() && text[i + 1] == 'g') {
          out += 'F';
          i += 2;
        } else {
          out += 'N';
          ++i;
        }
        break;
      case 't':
        if (text.substr(i, 3) == "tlh") {
          out += 'X';
          i += 3;
        } else {
          out += 'T';
          ++i;
        }
        break;
      default:
        out += c;
        ++i;
        break;
    }
  }
  return out;
}

std::string ToLatin(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) {
    switch (c) {
      case 'A': case 'B': case 'E': case 'J': case 'L': case 'M': case 'N': case 'O':
      case 'P': case 'R': case 'T': case 'U': case 'V': case 'W': case 'Y':
        out += static_cast<char>(c - 'A' + 'a');
        break;
      case 'C': out += "ch"; break;
      case 'G': out += "gh"; break;
      case 'F': out += "ng"; break;
      case 'X': out += "tlh"; break;
      case 'K': out += 'q'; break;
      default: out += c; break;  // bytes of non-ASCII characters pass through untouched
    }
  }
  return out;
}

bool IsPiqadGlyph(char32_t ch) {
  static constexpr std::string_view kGlyphs = "ABCDEFHIJLMNOPQKRSTUVWYXG'1234567890 ";
  return ch < 0x80 && kGlyphs.find(static_cast<char>(ch)) != std::string_view::npos;
}

bool IsPiqadFace(std::string_view face) { return face == kPiqadFace; }

std::string LatinFace(std::string_view rememberedFace) {
  return std::string(rememberedFace.empty() ? kLatinFallbackFace : rememberedFace);
}

std::vector<CharRun> NonGlyphRuns(std::u16string_view text) {
  std::vector<CharRun> runs;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsPiqadGlyph(text[i])) continue;
    if (!runs.empty() && runs.back().start + runs.back().length == i)
      ++runs.back().length;
    else
      runs.push_back({i, 1});
  }
  return runs;
}

}  // namespace morphan
