#pragma once
// Conversion between the program's UTF-8 texts and the Windows-1252 bytes that
// older file formats store.
#include <string>
#include <string_view>

namespace wordbank {

// Every byte maps to one code point (the five holes of the code page map to
// U+0081, U+008D, U+008F, U+0090 and U+009D), so Cp1252ToUtf8 never fails.
std::string Cp1252ToUtf8(std::string_view bytes);

// Code points without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

}  // namespace wordbank
