#pragma once
// The pIqaD font writes one character per Klingon letter at ASCII positions,
// so showing text in it means rewriting the text, not only changing the face.
// These are the text-level pieces; the view applies them to its selection.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace morphan {

// Face name of the pIqaD font; a selection is pIqaD when its face equals this exactly.
inline constexpr std::string_view kPiqadFace = "KLIPIqaDmey";

// Face given to text converted back when no face was remembered before.
inline constexpr std::string_view kLatinFallbackFace = "Courier New";

// Latin transcription (UTF-8) to the font's code. c and g always take the
// character after them as the second letter of ch and gh, without looking at it.
std::string ToPiqad(std::string_view text);

// The font's code (UTF-8) back to the Latin transcription.
std::string ToLatin(std::string_view text);

// True for the characters the font draws as pIqaD: the code letters, the
// apostrophe, the digits and the space.
bool IsPiqadGlyph(char32_t ch);

bool IsPiqadFace(std::string_view face);

// The face for a passage converted back: the one remembered before the last
// conversion to pIqaD, or the fallback when there is none.
std::string LatinFace(std::string_view rememberedFace);

// A run of characters [start, start + length), counted in UTF-16 units so the
// positions line up with an editor's text positions.
struct CharRun {
  size_t start = 0;
  size_t length = 0;
  bool operator==(const CharRun&) const = default;
};

// The runs of a converted text that must keep their previous face because the
// font has no glyph for them.
std::vector<CharRun> NonGlyphRuns(std::u16string_view text);

}  // namespace morphan
