#pragma once
// The personal dictionary file: one word a line, Windows-1252 on disk.
#include <string>

#include "wordbank/kword.h"

namespace datafile {

// The message shown when the personal dictionary cannot be written.
inline constexpr const char* kMsgUserDictWrite = "Unable to write personal dictionary file!";

// Appends every line of the file at `path` to `words` (the list is not
// emptied first). Empty lines are kept as empty words; LF and CRLF line ends
// are both accepted. Returns false, quietly and with `words` unchanged, when
// the file cannot be read; a missing file is the normal first-run case.
bool LoadUserDict(const std::string& path, CStringList& words);

// Writes `words`, each followed by a line feed. An empty list is never
// written, so an existing file is never replaced by an empty one (returns
// true). On failure returns false with kMsgUserDictWrite in `error`; the old
// file stays as it was.
bool SaveUserDict(const std::string& path, const CStringList& words, std::string& error);

}  // namespace datafile
