#include "wordbank/lextsv.h"

#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "wordbank/textcodec.h"

namespace wordbank {
namespace {

enum Column {
  kKey, kWord, kPos, kDefinition, kNotes, kBeing, kBodyPart, kInherentPlural, kIrregular,
  kIrregularForm, kStative, kSynonyms, kAntonyms, kScore, kExcluded, kColumnCount
};

constexpr std::array<const char*, kColumnCount> kColumnNames = {
    "key",       "word",          "pos",     "definition", "notes",
    "being",     "bodypart",      "inherentplural", "irregular", "irregularform",
    "stative",   "synonyms",      "antonyms", "score",     "excluded"};

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::string Unescape(std::string_view s) { return *UnescapeField(s, false); }

std::optional<int32_t> ParseInt(std::string_view s) {
  int32_t v = 0;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// Keys joined by "|"; an empty item would be a link to nothing, so it is
// refused rather than quietly dropped on the next write.
std::optional<CStringList> SplitKeys(const std::string& s) {
  CStringList keys;
  if (s.empty()) return keys;
  size_t start = 0;
  for (;;) {
    const size_t bar = s.find('|', start);
    keys.push_back(s.substr(start, bar == std::string::npos ? bar : bar - start));
    if (keys.back().empty()) return std::nullopt;
    if (bar == std::string::npos) return keys;
    start = bar + 1;
  }
}

std::string JoinKeys(const CStringList& keys) {
  std::string out;
  for (auto it = keys.begin(); it != keys.end(); ++it) {
    if (it != keys.begin()) out += '|';
    out += *it;
  }
  return out;
}

}  // namespace

bool ReadLexiconTsv(std::string_view text, CKLex& lex, std::string& error) {
  CKLex loaded;
  std::array<int, kColumnCount> where;
  where.fill(-1);
  size_t width = 0;
  bool haveHeader = false;
  size_t lineNo = 0;
  auto fail = [&](const std::string& what) {
    error = "line " + std::to_string(lineNo) + ": " + what;
    return false;
  };

  for (const std::string_view line : SplitLines(text)) {
    ++lineNo;
    if (line.empty() || line.front() == '#') continue;
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;

    const auto fields = SplitTabs(line);
    if (!haveHeader) {
      for (size_t i = 0; i < fields.size(); ++i) {
        int col = -1;
        for (int c = 0; c < kColumnCount; ++c)
          if (fields[i] == kColumnNames[c]) col = c;
        if (col < 0) return fail("unknown column \"" + std::string(fields[i]) + "\"");
        if (where[col] >= 0) return fail("column \"" + std::string(fields[i]) + "\" appears twice");
        where[col] = static_cast<int>(i);
      }
      for (int c : {kWord, kPos, kDefinition})
        if (where[c] < 0) return fail(std::string("missing column \"") + kColumnNames[c] + "\"");
      width = fields.size();
      haveHeader = true;
      continue;
    }

    if (fields.size() != width)
      return fail("expected " + std::to_string(width) + " fields, found " +
                  std::to_string(fields.size()));
    auto field = [&](int c) { return where[c] < 0 ? std::string() : Unescape(fields[where[c]]); };
    auto flag = [&](int c, int32_t& out) {
      const std::string v = field(c);
      if (v.empty() || v == "0") out = 0;
      else if (v == "1") out = 1;
      else return fail(std::string("bad ") + kColumnNames[c] + " flag \"" + v + "\"");
      return true;
    };

    CKWord w;
    w.m_strWord = field(kWord);
    w.m_strDefinition = field(kDefinition);
    w.m_strNotes = field(kNotes);
    const std::string posText = field(kPos);
    int32_t code = CKWord::PosFromName(posText);
    if (code < 0) {
      auto n = ParseInt(posText);
      if (!n || *n < 0 || *n > 7) return fail("bad part of speech \"" + posText + "\"");
      code = *n;
    }
    w.m_nPos = code;
    if (!flag(kBeing, w.m_bBeing) || !flag(kBodyPart, w.m_bBodyPart) ||
        !flag(kInherentPlural, w.m_bInherentPlural) || !flag(kIrregular, w.m_bIrregular) ||
        !flag(kStative, w.m_bStative) || !flag(kExcluded, w.m_bExcluded))
      return false;
    w.m_strIrregularForm = field(kIrregularForm);
    const auto synonyms = SplitKeys(field(kSynonyms));
    const auto antonyms = SplitKeys(field(kAntonyms));
    if (!synonyms || !antonyms)
      return fail(std::string("empty key in ") + (synonyms ? "antonyms" : "synonyms"));
    w.m_lstSynonyms = *synonyms;
    w.m_lstAntonyms = *antonyms;
    const std::string score = field(kScore);
    if (!score.empty()) {
      auto n = ParseInt(score);
      if (!n) return fail("bad score \"" + score + "\"");
      w.m_nScore = *n;
    }

    const std::string key = field(kKey);
    if (key.empty()) {
      loaded.Add(w);
    } else {
      if (loaded.Lookup(key)) return fail("duplicate key \"" + key + "\"");
      loaded.SetAt(key, w);
    }
  }
  if (!haveHeader) {
    error = "no header line";
    return false;
  }
  lex = std::move(loaded);
  return true;
}

std::string WriteLexiconTsv(const CKLex& lex) {
  std::string out;
  for (int c = 0; c < kColumnCount; ++c) {
    if (c) out += '\t';
    out += kColumnNames[c];
  }
  out += '\n';
  CKLex keys;  // replays the keys Add would make, to leave default keys empty
  for (const auto& [key, w] : lex) {
    const bool defaultKey = keys.MakeKey(w.m_strWord) == key;
    keys.SetAt(key, CKWord());
    const std::string fields[kColumnCount] = {
        defaultKey ? std::string() : EscapeField(key),
        EscapeField(w.m_strWord),
        w.Pos().empty() ? std::to_string(w.m_nPos) : w.Pos(),
        EscapeField(w.m_strDefinition),
        EscapeField(w.m_strNotes),
        std::to_string(w.m_bBeing ? 1 : 0),
        std::to_string(w.m_bBodyPart ? 1 : 0),
        std::to_string(w.m_bInherentPlural ? 1 : 0),
        std::to_string(w.m_bIrregular ? 1 : 0),
        EscapeField(w.m_strIrregularForm),
        std::to_string(w.m_bStative ? 1 : 0),
        EscapeField(JoinKeys(w.m_lstSynonyms)),
        EscapeField(JoinKeys(w.m_lstAntonyms)),
        std::to_string(w.m_nScore),
        std::to_string(w.m_bExcluded ? 1 : 0)};
    // A line must not start with the comment sign.
    if (fields[0].starts_with('#')) out += '\\';
    for (int c = 0; c < kColumnCount; ++c) {
      if (c) out += '\t';
      out += fields[c];
    }
    out += '\n';
  }
  return out;
}

}  // namespace wordbank
