#include "canon/canonsearch.h"

#include <string>

#include "canon/entrydb.h"

namespace {

// U+2018 and U+2019 become the Klingon letter '.
std::string Normalise(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s.substr(i, 2) == "\xE2\x80" && i + 2 < s.size() && (s[i + 2] == '\x98' || s[i + 2] == '\x99')) {
      out += '\'';
      i += 2;
    } else {
      out += s[i];
    }
  }
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

// Letters of a Klingon word in Latin spelling; bytes of other scripts count
// as letters too, so a word in them is not cut apart.
bool IsWordChar(char c) {
  const unsigned char u = static_cast<unsigned char>(c);
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '\'' ||
         u >= 0x80;
}

}  // namespace

bool CanonTextHas(std::string_view text, std::string_view word, CanonMatch how) {
  const std::string needle = Normalise(Trim(word));
  if (needle.empty()) return false;
  const std::string hay = Normalise(text);
  for (size_t pos = hay.find(needle); pos != std::string::npos; pos = hay.find(needle, pos + 1)) {
    if (how == CanonMatch::kInsideWord) return true;
    const size_t end = pos + needle.size();
    const bool startsWord = pos == 0 || !IsWordChar(hay[pos - 1]);
    const bool endsWord = end == hay.size() || !IsWordChar(hay[end]);
    if (startsWord && endsWord) return true;
  }
  return false;
}

std::vector<size_t> SearchCanon(const CEntryDB& db, std::string_view word, CanonMatch how) {
  std::vector<size_t> found;
  const auto& entries = db.GetEntries();
  for (size_t i = 0; i < entries.size(); ++i)
    if (CanonTextHas(entries[i].m_strKlingon, word, how)) found.push_back(i);
  return found;
}
