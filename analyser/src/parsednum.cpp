#include "morphan/parsednum.h"

#include <array>
#include <string_view>

namespace {

struct Tens {
  std::string_view root;
  const char* word;
};

// The element maH after a digit root.
constexpr std::array<Tens, 9> kTens{{
    {"wa'", "ten"},   {"cha'", "twenty"},  {"wej", "thirty"},
    {"loS", "forty"}, {"vagh", "fifty"},   {"jav", "sixty"},
    {"Soch", "seventy"}, {"chorgh", "eighty"}, {"Hut", "ninety"},
}};

struct Power {
  std::string_view element;
  const char* english;
};

// At most one power is taken, the first in this order that fits.
constexpr std::array<Power, 5> kPowers{{
    {"vatlh", " hundred"},
    {"SaD", " thousand"},
    {"SanID", " thousand"},
    {"bIp", " hundred thousand"},
    {"'uy'", " million"},
}};

struct Fixed {
  std::string_view word;
  const char* english;
};

struct Ending {
  std::string_view ending;
  const char* appended;  // nullptr: the regular ordinal
  std::array<Fixed, 6> fixed;
};

// Words that have their own English instead of the regular form.
const std::array<Ending, 6> kEndings{{
    {"leS", " days from now", {{{"wa'leS", "tomorrow"}}}},
    {"Hu'", " days ago", {{{"wa'Hu'", "yesterday"}}}},
    {"nem", " years from now", {{{"wa'nem", "next year"}}}},
    {"ben", " years ago", {{{"wa'ben", "last year"}}}},
    {"logh", " times", {{{"wa'logh", "once"}, {"cha'logh", "twice"}}}},
    {"DIch",
     nullptr,
     {{{"wa'DIch", "first"},
       {"cha'DIch", "second"},
       {"wejDIch", "third"},
       {"vaghDIch", "fifth"},
       {"chorghDIch", "eighth"},
       {"HutDIch", "ninth"}}}},
}};

// ten -> tenth, twenty -> twentieth.
void MakeOrdinal(std::string& english) {
  if (english.ends_with('y')) {
    english.back() = 'i';
    english += 'e';
  }
  english += "th";
}

}  // namespace

int CParsedNum::Parse(const std::string& word, const CKWord& entry) {
  if (entry.m_nPos != kPosNumber) return 0;
  // Clear() of the base resets the code; a number reading is always a number.
  m_nPosCode = kPosNumber;
  const std::string& root = entry.m_strWord;
  std::string_view rest;
  if (!StartOnRoot(word, entry, rest)) return 0;
  if (rest.empty()) return 1;

  if (rest.starts_with("maH")) {
    for (const auto& t : kTens)
      if (root == t.root) m_strDefinition = t.word;
    if (rest == "maH") return 1;
    rest.remove_prefix(3);
  }

  for (const auto& p : kPowers) {
    if (!rest.starts_with(p.element)) continue;
    m_strDefinition += p.english;
    rest.remove_prefix(p.element.size());
    break;
  }
  if (rest.empty()) return 1;

  for (const auto& e : kEndings) {
    if (rest != e.ending) continue;
    for (const auto& f : e.fixed) {
      if (!f.word.empty() && word == f.word) {
        m_strDefinition = f.english;
        return 1;
      }
    }
    if (e.appended)
      m_strDefinition += e.appended;
    else
      MakeOrdinal(m_strDefinition);
    return 1;
  }
  return 0;
}

std::string CParsedNum::ToString() const { return m_strDefinition; }
