#include "datafile/userdict.h"

#include <algorithm>

#include "datafile/atomicfile.h"
#include "wordbank/textcodec.h"

namespace datafile {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool FitsCp1252(const std::string& word) {
  return wordbank::Cp1252ToUtf8(wordbank::Utf8ToCp1252(word)) == word;
}

}  // namespace

void ParseUserDict(std::string_view text, CStringList& words, bool& utf8) {
  // A file saved by a modern editor may carry a UTF-8 mark; read as
  // Windows-1252 it would spoil the first word.
  utf8 = text.starts_with(kUtf8Mark);
  if (utf8) text.remove_prefix(kUtf8Mark.size());
  while (!text.empty()) {
    size_t eol = text.find('\n');
    std::string_view line = text.substr(0, eol);
    text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
    // CRLF line ends; a carriage return is never part of a word, and one left
    // at a word's end would not survive the next save.
    while (line.ends_with('\r')) line.remove_suffix(1);
    words.push_back(utf8 ? std::string(line) : wordbank::Cp1252ToUtf8(line));
  }
}

std::string FormatUserDict(const CStringList& words, bool utf8) {
  utf8 = utf8 || !std::all_of(words.begin(), words.end(), FitsCp1252);
  std::string text = utf8 ? std::string(kUtf8Mark) : std::string();
  for (const auto& w : words) {
    text += utf8 ? w : wordbank::Utf8ToCp1252(w);
    text += '\n';
  }
  return text;
}

bool LoadUserDict(const std::string& path, CStringList& words, bool* pUtf8) {
  std::string data;
  std::string error;
  if (!ReadFileBytes(path, data, error)) return false;
  CStringList lines;
  bool utf8 = false;
  ParseUserDict(data, lines, utf8);
  words.splice(words.end(), lines);
  if (pUtf8) *pUtf8 = utf8;
  return true;
}

bool SaveUserDict(const std::string& path, const CStringList& words, std::string& error,
                  bool bUtf8) {
  if (words.empty()) return true;
  std::string why;
  if (!SaveFileAtomically(path, FormatUserDict(words, bUtf8), why)) {
    error = kMsgUserDictWrite;
    return false;
  }
  return true;
}

}  // namespace datafile
