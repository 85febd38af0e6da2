#pragma once
// Conversion between the program's UTF-8 texts and the Windows-1252 bytes that
// older file formats store.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace wordbank {

// Every byte maps to one code point (the five holes of the code page map to
// U+0081, U+008D, U+008F, U+0090 and U+009D), so Cp1252ToUtf8 never fails.
std::string Cp1252ToUtf8(std::string_view bytes);

// Code points without a Windows-1252 byte, and malformed UTF-8, become '?'.
std::string Utf8ToCp1252(std::string_view text);

// One-line text fields: tab, line feed, carriage return and backslash are
// written as \t, \n, \r and \\.
std::string EscapeField(std::string_view text);
// The reverse; "\#" also stands for "#", for a field that must not start a
// line with a comment sign. Strict: any other backslash sequence, or a backslash at the
// end, is an error (nullopt). Lenient: such a backslash is kept as it stands,
// for hand-edited files.
std::optional<std::string> UnescapeField(std::string_view field, bool strict);

// The lines of a text file: split at LF, one CR before it dropped; a final LF
// ends the last line rather than starting an empty one.
std::vector<std::string_view> SplitLines(std::string_view text);

}  // namespace wordbank
