#include "languagetext.h"

std::vector<std::string> SplitAtBlanks(std::string_view text) {
  // A selection of several lines splits at its line ends too, CR LF as one.
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i)
    if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) line += text[i];
  constexpr std::string_view kBlanks = " \t\r\n";
  const size_t first = line.find_first_not_of(kBlanks);
  line = first == std::string::npos ? std::string()
                                    : line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
  std::vector<std::string> words;
  for (size_t from = 0;;) {
    const size_t blank = line.find_first_of(" \t\n", from);
    words.push_back(line.substr(from, blank == std::string::npos ? blank : blank - from));
    if (blank == std::string::npos) return words;
    from = blank + 1;
  }
}
