#pragma once
// Small text helpers shared by the language tools.
#include <string>
#include <string_view>
#include <vector>

// Trims blanks from both ends, then splits at every single space, tab or line
// end: two spaces give an empty word between them, and an all-blank text one
// empty word.
std::vector<std::string> SplitAtBlanks(std::string_view text);
