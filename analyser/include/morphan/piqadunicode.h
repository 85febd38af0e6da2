#pragma once
// pIqaD as Unicode text, in the block the ConScript Unicode Registry gives it
// (private use area U+F8D0-U+F8FF): the form other programs exchange, beside
// the font code of piqad.h that converted documents keep.
#include <string>
#include <string_view>

namespace morphan {

inline constexpr char32_t kCsurFirstLetter = 0xF8D0;  // a; the 26 letters follow in order
inline constexpr char32_t kCsurFirstDigit = 0xF8F0;   // 0 to 9
inline constexpr char32_t kCsurComma = 0xF8FD;
inline constexpr char32_t kCsurFullStop = 0xF8FE;
inline constexpr char32_t kCsurMummification = 0xF8FF;

// The letters in their pIqaD order, which is also their order in the block.
inline constexpr std::string_view kCsurLetters[26] = {
    "a", "b", "ch", "D", "e", "gh", "H", "I", "j", "l", "m", "n", "ng",
    "o", "p", "q", "Q", "r", "S", "t", "tlh", "u", "v", "w", "y", "'"};

// Latin transcription (UTF-8) to Unicode pIqaD. Letters are read longest
// first (tlh, ch, gh, ng), so n followed by g is always ng; d, h, i and s
// count as D, H, I and S, and the typographic apostrophes as '. Digits, comma
// and full stop become their pIqaD signs; a c or g outside ch and gh, and
// everything else, is copied unchanged.
std::string LatinToUnicodePiqad(std::string_view latin);

// Unicode pIqaD (UTF-8) to the Latin transcription. The mummification glyph
// has no Latin form and is kept; other characters are copied unchanged.
std::string UnicodePiqadToLatin(std::string_view text);

// The font code (see ToPiqad) to Unicode pIqaD and back. Comma and full stop
// become the pIqaD signs and come back as ASCII.
std::string FontCodeToUnicodePiqad(std::string_view code);
std::string UnicodePiqadToFontCode(std::string_view text);

// True when the text holds any character of the pIqaD block.
bool ContainsUnicodePiqad(std::string_view text);

}  // namespace morphan
