#include "morphan/parsednoun.h"

#include <array>
#include <string_view>

namespace {

// Order matters: the scan takes the first row the remaining text begins with.
constexpr std::array<NounSuffix, 26> kNounSuffixes{{
    {"'a'", "major", 1},     {"'e'", "(top)", 5},     {"chaj", "their", 4},
    {"Daj", "his/her", 4},   {"Daq", "in", 5},        {"Du'", "(pl)", 2},
    {"Hey", "apparent", 3},  {"Hom", "minor", 1},     {"lI'", "your", 4},
    {"lIj", "your", 4},      {"ma'", "our", 4},       {"maj", "our", 4},
    {"mey", "(pl)", 2},      {"mo'", "due to", 5},    {"na'", "definite", 3},
    {"oy", "dear", 1},       {"pu'", "(pl)", 2},      {"qoq", "so-called", 3},
    {"ra'", "your", 4},      {"raj", "your", 4},      {"vaD", "for", 5},
    {"vam", "this", 4},      {"vetlh", "that", 4},    {"vo'", "from", 5},
    {"wI'", "my", 4},        {"wIj", "my", 4},
}};

constexpr std::string_view kScattered = " (scattered about)";

// The slots of the types 1 to 5.
constexpr std::string CParsedNoun::*kSlots[] = {
    &CParsedNoun::m_strSuffix1, &CParsedNoun::m_strSuffix2, &CParsedNoun::m_strSuffix3,
    &CParsedNoun::m_strSuffix4, &CParsedNoun::m_strSuffix5};

const NounSuffix* SuffixAtFront(std::string_view rest) {
  if (rest.empty()) return nullptr;  // no suffix is empty
  for (const auto& row : kNounSuffixes)
    if (row.suffix[0] == rest[0] && rest.starts_with(row.suffix)) return &row;
  return nullptr;
}

// Possessives of beings capable of language and their counterparts for other
// nouns, pair by pair.
constexpr std::array<std::pair<std::string_view, std::string_view>, 4> kPossessivePairs{{
    {"wI'", "wIj"}, {"ma'", "maj"}, {"lI'", "lIj"}, {"ra'", "raj"},
}};

const char* ForOthers(std::string_view s) {
  for (const auto& [being, other] : kPossessivePairs)
    if (s == being) return other.data();
  return nullptr;
}

const char* ForBeings(std::string_view s) {
  for (const auto& [being, other] : kPossessivePairs)
    if (s == other) return being.data();
  return nullptr;
}

// The three place nouns that never take -Daq, by definition, and the bare
// word suggested instead.
const char* PlaceNounWithoutDaq(const std::string& definition) {
  if (definition == "there, over there, thereabouts") return "pa'";
  if (definition == "here, hereabouts") return "naDev";
  if (definition == "everywhere") return "Dat";
  return nullptr;
}

}  // namespace

std::span<const NounSuffix> NounSuffixTable() { return kNounSuffixes; }

void CParsedNoun::Clear() {
  CParsedWord::Clear();
  m_strSuffix1.clear();
  m_strSuffix2.clear();
  m_strSuffix3.clear();
  m_strSuffix4.clear();
  m_strSuffix5.clear();
}

std::string& CParsedNoun::Slot(int type) { return this->*kSlots[type - 1]; }

std::string CParsedNoun::Bare(int type) const {
  const std::string& s = this->*kSlots[type - 1];
  if (type == 2 && s.ends_with(kScattered)) return s.substr(0, s.size() - kScattered.size());
  return s;
}

std::string CParsedNoun::Slots(int first, int last) const {
  std::string out;
  for (int t = first; t <= last; ++t) out += Bare(t);
  return out;
}

void CParsedNoun::Fault(double factor, std::string message) {
  m_dScore /= factor;
  m_lstErrors.push_back(std::move(message));
}

void CParsedNoun::CheckOrder(const std::string& root, const NounSuffix& s,
                             const NounSuffix* previous, const std::string& after) {
  if (!previous) return;
  const int t = s.type;
  if (t == previous->type) {
    Fault(8, std::string("The noun suffixs {") + previous->suffix + "} and {" + s.suffix +
                 "} are both type " + std::to_string(t) +
                 ", and cannot both be on a noun at the same time.");
    const std::string lower = root + Slots(1, t - 1);
    m_lstSuggestions.push_back(lower + previous->suffix + after);
    m_lstSuggestions.push_back(lower + s.suffix + after);
  } else if (t < previous->type) {
    Fault(2, std::string("The noun suffix {") + s.suffix + "} is type " + std::to_string(t) +
                 ", and must precede {" + previous->suffix + "} which is type " +
                 std::to_string(previous->type) + ".");
    // Every suffix found so far keeps its place; only S moves to where its
    // type belongs.
    m_lstSuggestions.push_back(root + Slots(1, t - 1) + s.suffix + Slots(t + 1, 5) + after);
  }
}

void CParsedNoun::CheckProperties(const CKWord& entry, const NounSuffix& s,
                                  const std::string& after) {
  const std::string& root = entry.m_strWord;
  const std::string_view sv = s.suffix;
  const bool plural = s.type == 2;

  if (sv == "Du'" && !entry.m_bBodyPart) {
    Fault(2, "Body-part suffix {-Du'} on non-body-part noun {" + root + "}");
    if (!entry.m_bInherentPlural)
      m_lstSuggestions.push_back(root + Bare(1) + (entry.m_bBeing ? "pu'" : "mey") + after);
  }
  if (sv == "pu'" && !entry.m_bBeing) {
    Fault(2, "Plural suffix {-pu'} is for beings capable of language.");
    if (!entry.m_bInherentPlural)
      m_lstSuggestions.push_back(root + Bare(1) + (entry.m_bBodyPart ? "Du'" : "mey") + after);
  }
  if (plural && entry.m_bInherentPlural) {
    Fault(4, "Cannot use plural suffix on inherently plural noun.");
    m_lstSuggestions.push_back(root + Bare(1) + after);
  }
  if (plural && !entry.m_bInherentPlural && entry.m_bIrregular) {
    if (entry.m_strIrregularForm.empty()) {
      Fault(2, "This word has an irregular plural form, but I don't know what it is.");
    } else {
      Fault(2, "Irregular plural: use {" + entry.m_strIrregularForm + "}.");
      m_lstSuggestions.push_back(entry.m_strIrregularForm + Bare(1) + after);
    }
  }
  if (!entry.m_bBeing) {
    if (const char* other = ForOthers(sv)) {
      Fault(2, std::string("The possessive suffix {") + s.suffix +
                   "} is for beings capable of language.");
      m_lstSuggestions.push_back(root + Slots(1, 3) + other + after);
    }
  }
  if (entry.m_bBeing && s.type == 4 && !ForOthers(sv) && sv != "vam" && sv != "vetlh") {
    m_lstErrors.push_back("Insult: Non-language suffix on being capable of language.");
    if (const char* being = ForBeings(sv)) m_lstSuggestions.push_back(root + Slots(1, 3) + being + after);
  }
  if (entry.m_bBodyPart && sv == "mey") {
    Fault(2, "Poetic usage: {-mey} on body part noun.");
    m_lstSuggestions.push_back(root + Bare(1) + "Du'" + after);
  }
}

int CParsedNoun::Parse(const std::string& word, const CKWord& entry) {
  if (entry.m_nPos != kPosNoun && entry.m_nPos != kPosPronoun) return 0;
  const std::string& root = entry.m_strWord;
  std::string_view rest;
  if (!StartOnRoot(word, entry, rest)) return 0;

  const NounSuffix* previous = nullptr;
  while (!rest.empty()) {
    const NounSuffix* s = SuffixAtFront(rest);
    if (!s) break;
    const std::string after(rest.substr(std::string_view(s->suffix).size()));

    CheckOrder(root, *s, previous, after);
    previous = s;
    Slot(s->type) = s->suffix;
    CheckProperties(entry, *s, after);

    const std::string_view sv = s->suffix;
    if (sv == "mey" && (entry.m_bBeing || entry.m_bBodyPart)) m_strSuffix2 += kScattered;
    if (sv == "Daq") {
      if (const char* bare = PlaceNounWithoutDaq(entry.m_strDefinition)) {
        m_lstErrors.push_back("The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.");
        m_lstSuggestions.push_back(bare);
        return 0;
      }
    }
    rest.remove_prefix(sv.size());
  }
  return rest.empty() ? 1 : 0;
}
