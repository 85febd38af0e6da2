#include "datafile/userdict.h"

#include "datafile/atomicfile.h"
#include "wordbank/textcodec.h"

namespace datafile {

bool LoadUserDict(const std::string& path, CStringList& words) {
  std::string data;
  std::string error;
  if (!ReadFileBytes(path, data, error)) return false;

  std::string_view text = data;
  // The file is Windows-1252, but one saved by a modern editor may carry a
  // UTF-8 byte-order mark; as Windows-1252 it would spoil the first word.
  bool utf8 = false;
  if (text.substr(0, 3) == "\xEF\xBB\xBF") {
    text.remove_prefix(3);
    utf8 = true;
  }
  CStringList lines;
  while (!text.empty()) {
    size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(utf8 ? std::string(line) : wordbank::Cp1252ToUtf8(line));
  }
  words.splice(words.end(), lines);
  return true;
}

bool SaveUserDict(const std::string& path, const CStringList& words, std::string& error) {
  if (words.empty()) return true;
  std::string text;
  for (const auto& w : words) {
    text += wordbank::Utf8ToCp1252(w);
    text += '\n';
  }
  std::string why;
  if (!SaveFileAtomically(path, text, why)) {
    error = kMsgUserDictWrite;
    return false;
  }
  return true;
}

}  // namespace datafile
