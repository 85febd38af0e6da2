#pragma once
// The personal dictionary file: one word a line, Windows-1252 on disk, or
// UTF-8 behind a byte-order mark when a word needs characters 1252 lacks.
#include <string>
#include <string_view>

#include "wordbank/kword.h"

namespace datafile {

// The message shown when the personal dictionary cannot be written.
inline constexpr const char* kMsgUserDictWrite = "Unable to write personal dictionary file!";

// Appends every line of the file at `path` to `words` (the list is not
// emptied first). Empty lines are kept as empty words; LF and CRLF line ends
// are both accepted. Returns false, quietly and with `words` unchanged, when
// the file cannot be read; a missing file is the normal first-run case.
// `pUtf8`, when given, learns whether the file was UTF-8 with a mark.
bool LoadUserDict(const std::string& path, CStringList& words, bool* pUtf8 = nullptr);

// Writes `words`, each followed by a line feed. An empty list is never
// written, so an existing file is never replaced by an empty one (returns
// true). On failure returns false with kMsgUserDictWrite in `error`; the old
// file stays as it was. The file is UTF-8 with a mark when `bUtf8` is set or
// when some word has characters Windows-1252 cannot hold: no word is ever
// written as question marks.
bool SaveUserDict(const std::string& path, const CStringList& words, std::string& error,
                  bool bUtf8 = false);

// The file's bytes to words (appended) and back.
void ParseUserDict(std::string_view bytes, CStringList& words, bool& utf8);
std::string FormatUserDict(const CStringList& words, bool utf8);

}  // namespace datafile
