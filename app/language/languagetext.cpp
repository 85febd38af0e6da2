#include "languagetext.h"

std::vector<std::string> SplitAtBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = text.find_first_not_of(kBlanks);
  text = first == std::string_view::npos
             ? std::string_view()
             : text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  std::vector<std::string> words;
  for (size_t from = 0;;) {
    const size_t blank = text.find(' ', from);
    words.emplace_back(text.substr(from, blank == std::string_view::npos ? blank : blank - from));
    if (blank == std::string_view::npos) return words;
    from = blank + 1;
  }
}
