#include "rtf/rtfreader.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "codepage.h"

namespace rtf {

namespace {

// Limits that keep hostile files from taking unbounded memory; real documents
// stay far below them.
constexpr size_t kMaxDepth = 1000;
constexpr int kMaxFonts = 10000;
constexpr size_t kMaxColours = 10000;
constexpr int kMaxNameLength = 256;
constexpr int kMaxHalfPoints = 3276;  // 1638 points, the largest size word processors offer
constexpr int kDefaultHalfPoints = 24;

enum class Dest : uint8_t { Text, Skip, FontTable, ColourTable };

enum class Align : uint8_t { Left, Centre, Right, Justify };

struct CharProps {
  int font = -1;  // font number; -1 means the document's default font
  int halfPoints = kDefaultHalfPoints;
  int colour = 0;     // colour table index; 0 is automatic
  int highlight = 0;  // colour table index; 0 is none
  QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
  int8_t vertical = 0;  // 1 superscript, -1 subscript
  bool bold = false;
  bool italic = false;
  bool strike = false;
  bool hidden = false;
  bool operator==(const CharProps&) const = default;
};

struct GroupState {
  CharProps chr;
  Dest dest = Dest::Text;
  bool inSkipped = false;     // an enclosing group is skipped, so nothing in this one is read
  Dest uprDest = Dest::Text;  // where the Unicode half of an \upr group goes
  bool inUpr = false;
  Align align = Align::Left;
  int uc = 1;
};

struct FontEntry {
  QString name;
  int codePage = 0;  // 0: the document's code page
};

enum class Kw {
  SkipDest, FontTbl, ColorTbl, Upr, Ud, Ansi, Mac, Pc, Pca, AnsiCpg, Deff,
  F, FCharset, Cpg, Red, Green, Blue,
  Plain, B, I, Ul, UlNone, UlStyle, Strike, Cf, Highlight, Fs, V, Super, Sub, NoSuperSub, Up, Dn,
  Uc, U, Par, Pard, Ql, Qc, Qr, Qj, Line, Tab, Cell, Row, Bin, Char,
};

struct KwInfo {
  Kw kw;
  int value = 0;  // the character of Kw::Char, the line style of Kw::UlStyle
};

const std::unordered_map<std::string_view, KwInfo>& Keywords() {
  static const std::unordered_map<std::string_view, KwInfo> map = [] {
    std::unordered_map<std::string_view, KwInfo> m;
    // Destinations whose content is not document text.
    for (std::string_view d :
         {"pict", "object", "info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer",
          "footerl", "footerr", "footerf", "footnote", "annotation", "fldinst", "xe", "tc", "txe",
          "rxe", "bkmkstart", "bkmkend", "listtable", "listoverridetable", "revtbl", "rsidtbl",
          "nonshppict", "shp", "shpinst", "themedata", "colorschememapping", "latentstyles",
          "datastore", "generator", "pgdsctbl", "ftnsep", "ftnsepc", "ftncn", "aftnsep", "aftnsepc",
          "aftncn", "template", "filetbl", "pn", "pntxta", "pntxtb", "docvar", "userprops",
          "xmlnstbl", "mmathPr", "fchars", "lchars", "atnid", "atnauthor", "atnref", "atndate",
          "atrfstart", "atrfend", "listpicture", "objdata", "private", "nextfile", "comment",
          "expandedcolortbl", "do", "wgrffmtfilter", "pxe", "passwordhash", "protusertbl", "falt",
          "panose", "title", "subject", "author", "operator", "keywords", "doccomm", "company",
          "hlinkbase", "formfield", "datafield", "sp", "sn", "sv"})
      m.emplace(d, KwInfo{Kw::SkipDest});
    const std::pair<std::string_view, Kw> words[] = {
        {"fonttbl", Kw::FontTbl}, {"colortbl", Kw::ColorTbl}, {"upr", Kw::Upr}, {"ud", Kw::Ud},
        {"ansi", Kw::Ansi}, {"mac", Kw::Mac}, {"pc", Kw::Pc}, {"pca", Kw::Pca},
        {"ansicpg", Kw::AnsiCpg}, {"deff", Kw::Deff}, {"f", Kw::F}, {"fcharset", Kw::FCharset},
        {"cpg", Kw::Cpg}, {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue},
        {"plain", Kw::Plain}, {"b", Kw::B}, {"i", Kw::I}, {"ul", Kw::Ul}, {"ulth", Kw::Ul},
        {"uldb", Kw::Ul}, {"ulw", Kw::Ul}, {"ulnone", Kw::UlNone}, {"strike", Kw::Strike}, {"striked", Kw::Strike}, {"cf", Kw::Cf}, {"highlight", Kw::Highlight},
        {"cb", Kw::Highlight}, {"chcbpat", Kw::Highlight}, {"fs", Kw::Fs}, {"v", Kw::V},
        {"super", Kw::Super}, {"sub", Kw::Sub}, {"nosupersub", Kw::NoSuperSub}, {"up", Kw::Up}, {"dn", Kw::Dn}, {"uc", Kw::Uc},
        {"u", Kw::U}, {"par", Kw::Par}, {"sect", Kw::Par}, {"page", Kw::Par}, {"pard", Kw::Pard},
        {"ql", Kw::Ql}, {"qc", Kw::Qc}, {"qr", Kw::Qr}, {"qj", Kw::Qj}, {"line", Kw::Line},
        {"lbr", Kw::Line}, {"tab", Kw::Tab}, {"cell", Kw::Cell}, {"nestcell", Kw::Cell},
        {"row", Kw::Row}, {"nestrow", Kw::Row}, {"bin", Kw::Bin}};
    for (const auto& [name, kw] : words) m.emplace(name, KwInfo{kw});
    const std::pair<std::string_view, QTextCharFormat::UnderlineStyle> lines[] = {
        {"uld", QTextCharFormat::DotLine}, {"ulthd", QTextCharFormat::DotLine},
        {"uldash", QTextCharFormat::DashUnderline}, {"ulthdash", QTextCharFormat::DashUnderline},
        {"ulldash", QTextCharFormat::DashUnderline}, {"ulthldash", QTextCharFormat::DashUnderline},
        {"uldashd", QTextCharFormat::DashDotLine}, {"ulthdashd", QTextCharFormat::DashDotLine},
        {"uldashdd", QTextCharFormat::DashDotDotLine}, {"ulthdashdd", QTextCharFormat::DashDotDotLine},
        {"ulwave", QTextCharFormat::WaveUnderline}, {"ulhwave", QTextCharFormat::WaveUnderline},
        {"ululdbwave", QTextCharFormat::WaveUnderline}};
    for (const auto& [name, style] : lines) m.emplace(name, KwInfo{Kw::UlStyle, style});
    const std::pair<std::string_view, char16_t> chars[] = {
        {"emdash", 0x2014}, {"endash", 0x2013}, {"emspace", 0x2003}, {"enspace", 0x2002},
        {"qmspace", 0x2005}, {"bullet", 0x2022}, {"lquote", 0x2018}, {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"zwj", 0x200D}, {"zwnj", 0x200C},
        {"zwbo", 0x200B}, {"ltrmark", 0x200E}, {"rtlmark", 0x200F}};
    for (const auto& [name, ch] : chars) m.emplace(name, KwInfo{Kw::Char, ch});
    return m;
  }();
  return map;
}

bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Reader {
 public:
  Reader(QByteArrayView data, QTextDocument& doc)
      : m_p(data.data()), m_end(data.data() + data.size()), m_cursor(&doc) {}

  bool Run();  // false when the data ended before the document's group closed

 private:
  // Tokens
  void ControlWord();
  void ControlSymbol(char c);
  void Keyword(std::string_view word, bool hasParam, int param);
  void SkipBinary(int count);

  // Text routing
  void AddByte(unsigned char byte);
  void FlushBytes();
  void AddChar(char16_t ch);
  void AddText(char16_t ch);
  bool SkipFallback();
  int CurrentCodePage() const;

  // Document building
  void EnsureContent();
  void FlushRun();
  void Paragraph(bool endsRow);
  void Finish();
  QTextCharFormat CharFormat(const CharProps& props) const;
  QTextBlockFormat BlockFormat(Align align) const;

  // Tables
  void CommitFont();
  void CommitColour();

  GroupState& State() { return m_stack.back(); }
  const GroupState& State() const { return m_stack.back(); }

  const char* m_p;
  const char* m_end;
  QTextCursor m_cursor;

  std::vector<GroupState> m_stack;
  size_t m_overflow = 0;  // groups opened beyond kMaxDepth; their content is dropped
  int m_skip = 0;         // fallback characters still to drop after \uN
  bool m_damaged = false;

  int m_ansiCodePage = kCodePage1252;
  int m_defaultFont = 0;
  QHash<int, FontEntry> m_fonts;
  int m_fontNumber = -1;  // the font table entry being read
  FontEntry m_fontEntry;
  std::vector<std::optional<QColor>> m_colours;
  int m_red = 0, m_green = 0, m_blue = 0;
  bool m_colourSet = false;

  CodePageDecoder m_decoder;
  QByteArray m_bytes;  // undecoded \'hh bytes, kept together for double-byte pages
  int m_bytesCodePage = 0;

  QString m_run;  // text waiting to go into the document with m_runProps
  CharProps m_runProps;
  int m_pendingPars = 0;  // paragraph marks not yet turned into blocks
  bool m_pendingCell = false;
};

bool Reader::Run() {
  m_stack.reserve(64);
  m_stack.push_back(GroupState{});  // outside the document's group
  while (m_p < m_end) {
    const char c = *m_p++;
    switch (c) {
      case '{':
        FlushBytes();
        m_skip = 0;
        if (m_overflow > 0 || m_stack.size() > kMaxDepth) {
          ++m_overflow;
          m_damaged = true;
        } else {
          GroupState child = State();
          child.inSkipped = child.dest == Dest::Skip;
          m_stack.push_back(child);
        }
        break;
      case '}':
        FlushBytes();
        m_skip = 0;
        if (m_overflow > 0) {
          --m_overflow;
          break;
        }
        if (State().dest == Dest::FontTable) CommitFont();
        if (m_stack.size() <= 2) {  // the document's own group ends here; anything after it is not read
          Finish();
          return !m_damaged;
        }
        m_stack.pop_back();
        break;
      case '\\':
        ControlWord();
        break;
      case '\r':
      case '\n':
        break;
      default:
        if (m_overflow > 0) break;
        if (static_cast<unsigned char>(c) >= 0x80) {
          AddByte(static_cast<unsigned char>(c));
        } else if (State().dest == Dest::Text && m_skip == 0 && !State().chr.hidden && c >= 0x20 && c < 0x7F) {
          // Plain ASCII text in bulk: the common case in any document.
          FlushBytes();
          EnsureContent();
          if (!(State().chr == m_runProps)) {
            FlushRun();
            m_runProps = State().chr;
          }
          const char* start = m_p - 1;
          while (m_p < m_end && *m_p >= 0x20 && *m_p < 0x7F && *m_p != '\\' && *m_p != '{' && *m_p != '}') ++m_p;
          m_run.append(QLatin1StringView(start, m_p - start));
        } else {
          FlushBytes();
          if (SkipFallback()) break;
          if (c == '\t' || (c >= 0x20 && c < 0x7F)) AddChar(static_cast<char16_t>(c));
        }
        break;
    }
  }
  Finish();
  return false;
}

void Reader::ControlWord() {
  if (m_p >= m_end) return;
  if (!IsAsciiLetter(*m_p)) {
    ControlSymbol(*m_p++);
    return;
  }
  const char* start = m_p;
  while (m_p < m_end && IsAsciiLetter(*m_p)) ++m_p;
  // Words are at most 32 letters; longer ones are nobody's keyword.
  const std::string_view word(start, std::min<ptrdiff_t>(m_p - start, 32));
  bool hasParam = false;
  bool negative = false;
  long long value = 0;
  if (m_p < m_end && *m_p == '-' && m_p + 1 < m_end && IsDigit(m_p[1])) {
    negative = true;
    ++m_p;
  }
  while (m_p < m_end && IsDigit(*m_p)) {
    hasParam = true;
    if (value < 10'000'000'000LL) value = value * 10 + (*m_p - '0');
    ++m_p;
  }
  if (m_p < m_end && *m_p == ' ') ++m_p;
  if (value > INT32_MAX) value = INT32_MAX;
  const int param = static_cast<int>(negative ? -value : value);

  if (word == "bin") {  // binary data is skipped whatever group it is in
    FlushBytes();
    SkipBinary(hasParam ? param : 0);
    return;
  }
  if (m_overflow > 0) return;
  FlushBytes();
  if (SkipFallback()) return;
  Keyword(word, hasParam, param);
}

void Reader::SkipBinary(int count) {
  if (count <= 0) return;
  m_p += std::min<ptrdiff_t>(count, m_end - m_p);
}

void Reader::ControlSymbol(char c) {
  if (m_overflow > 0) return;
  if (c == '\'') {
    const int hi = m_p < m_end ? HexValue(m_p[0]) : -1;
    const int lo = m_p + 1 < m_end ? HexValue(m_p[1]) : -1;
    if (hi < 0 || lo < 0) {  // a damaged escape: drop it, keep reading
      m_damaged = true;
      return;
    }
    m_p += 2;
    AddByte(static_cast<unsigned char>(hi * 16 + lo));
    return;
  }
  FlushBytes();
  if (c == '*') {
    // An ignorable destination: nothing in it is document text for a reader like this one.
    State().dest = Dest::Skip;
    return;
  }
  if (SkipFallback()) return;
  switch (c) {
    case '\\':
    case '{':
    case '}': AddChar(static_cast<char16_t>(c)); break;
    case '~': AddChar(0x00A0); break;
    case '-': AddChar(0x00AD); break;
    case '_': AddChar(0x2011); break;
    case '\r':
    case '\n': Paragraph(false); break;
    default: break;  // \| \: and unknown symbols
  }
}

void Reader::Keyword(std::string_view word, bool hasParam, int param) {
  const auto& map = Keywords();
  const auto it = map.find(word);
  if (it == map.end()) return;
  GroupState& st = State();
  CharProps& chr = st.chr;
  const bool on = !hasParam || param != 0;
  switch (it->second.kw) {
    case Kw::SkipDest: st.dest = Dest::Skip; break;
    case Kw::FontTbl:
      if (st.inSkipped) break;
      st.dest = Dest::FontTable;
      m_fontNumber = -1;
      m_fontEntry = {};
      break;
    case Kw::ColorTbl:
      if (st.inSkipped) break;
      st.dest = Dest::ColourTable;
      m_colours.clear();
      m_colourSet = false;
      break;
    case Kw::Upr:
      st.uprDest = st.dest;
      st.inUpr = true;
      st.dest = Dest::Skip;  // the ANSI half; the \ud half replaces it
      break;
    case Kw::Ud:
      if (st.inUpr) st.dest = st.uprDest;
      break;
    case Kw::Ansi: m_ansiCodePage = kCodePage1252; break;
    case Kw::Mac: m_ansiCodePage = 10000; break;
    case Kw::Pc: m_ansiCodePage = 437; break;
    case Kw::Pca: m_ansiCodePage = 850; break;
    case Kw::AnsiCpg:
      if (param > 0) m_ansiCodePage = param;
      break;
    case Kw::Deff: m_defaultFont = param; break;
    case Kw::F:
      if (st.dest == Dest::FontTable) {
        CommitFont();
        m_fontNumber = param;
      } else {
        chr.font = param;
      }
      break;
    case Kw::FCharset:
      if (st.dest == Dest::FontTable && m_fontEntry.codePage == 0) m_fontEntry.codePage = CodePageOfCharset(param);
      break;
    case Kw::Cpg:
      if (st.dest == Dest::FontTable && param > 0) m_fontEntry.codePage = param;
      break;
    case Kw::Red:
    case Kw::Green:
    case Kw::Blue:
      if (st.dest == Dest::ColourTable) {
        const int v = std::clamp(param, 0, 255);
        (it->second.kw == Kw::Red ? m_red : it->second.kw == Kw::Green ? m_green : m_blue) = v;
        m_colourSet = true;
      }
      break;
    case Kw::Plain: chr = CharProps{}; break;
    case Kw::B: chr.bold = on; break;
    case Kw::I: chr.italic = on; break;
    case Kw::Ul: chr.underline = on ? QTextCharFormat::SingleUnderline : QTextCharFormat::NoUnderline; break;
    case Kw::UlNone: chr.underline = QTextCharFormat::NoUnderline; break;
    case Kw::UlStyle:
      chr.underline = on ? static_cast<QTextCharFormat::UnderlineStyle>(it->second.value) : QTextCharFormat::NoUnderline;
      break;
    case Kw::Strike: chr.strike = on; break;
    case Kw::Cf: chr.colour = std::max(param, 0); break;
    case Kw::Highlight: chr.highlight = std::max(param, 0); break;
    case Kw::Fs: chr.halfPoints = param > 0 ? std::min(param, kMaxHalfPoints) : kDefaultHalfPoints; break;
    case Kw::V: chr.hidden = on; break;
    case Kw::Super: chr.vertical = 1; break;
    case Kw::Sub: chr.vertical = -1; break;
    case Kw::NoSuperSub: chr.vertical = 0; break;
    case Kw::Up: chr.vertical = on ? 1 : 0; break;  // raised or lowered text reads as super- or subscript
    case Kw::Dn: chr.vertical = on ? -1 : 0; break;
    case Kw::Uc: st.uc = std::clamp(param, 0, 255); break;
    case Kw::U: {
      int v = param;
      if (v < 0) v += 65536;
      const char16_t ch = v >= 0 && v <= 0xFFFF ? static_cast<char16_t>(v) : char16_t(0xFFFD);
      if (ch == '\t' || ch >= 0x20) AddChar(ch);
      m_skip = st.uc;
      break;
    }
    case Kw::Par: Paragraph(false); break;
    case Kw::Pard: st.align = Align::Left; break;
    case Kw::Ql: st.align = Align::Left; break;
    case Kw::Qc: st.align = Align::Centre; break;
    case Kw::Qr: st.align = Align::Right; break;
    case Kw::Qj: st.align = Align::Justify; break;
    case Kw::Line: AddChar(QChar::LineSeparator); break;
    case Kw::Tab: AddChar('\t'); break;
    case Kw::Cell:
      if (st.dest == Dest::Text) {
        EnsureContent();
        m_pendingCell = true;
      }
      break;
    case Kw::Row: Paragraph(true); break;
    case Kw::Char: AddChar(static_cast<char16_t>(it->second.value)); break;
    case Kw::Bin: break;  // handled before the table lookup
  }
}

// After \uN the next uc characters are the fallback for readers without Unicode.
bool Reader::SkipFallback() {
  if (m_skip == 0) return false;
  --m_skip;
  return true;
}

int Reader::CurrentCodePage() const {
  if (State().dest == Dest::FontTable) return m_fontEntry.codePage ? m_fontEntry.codePage : m_ansiCodePage;
  const int font = State().chr.font >= 0 ? State().chr.font : m_defaultFont;
  const auto it = m_fonts.constFind(font);
  return it != m_fonts.constEnd() && it->codePage ? it->codePage : m_ansiCodePage;
}

void Reader::AddByte(unsigned char byte) {
  if (State().dest == Dest::Skip || State().dest == Dest::ColourTable) return;
  if (SkipFallback()) {
    FlushBytes();
    return;
  }
  const int cp = CurrentCodePage();
  if (!m_bytes.isEmpty() && cp != m_bytesCodePage) FlushBytes();
  m_bytesCodePage = cp;
  m_bytes.append(static_cast<char>(byte));
}

void Reader::FlushBytes() {
  if (m_bytes.isEmpty()) return;
  const QString text = m_decoder.Decode(m_bytes, m_bytesCodePage);
  m_bytes.clear();
  for (const QChar ch : text)
    if (ch == '\t' || ch.unicode() >= 0x20) AddChar(ch.unicode());
}

void Reader::AddChar(char16_t ch) {
  GroupState& st = State();
  switch (st.dest) {
    case Dest::Text:
      // U+FFFC would stand for an embedded object that is not there.
      if (!st.chr.hidden && ch != 0x7F && ch != QChar::ObjectReplacementCharacter) AddText(ch);
      break;
    case Dest::FontTable:
      if (ch == ';')
        CommitFont();
      else if (m_fontEntry.name.size() < kMaxNameLength)
        m_fontEntry.name += QChar(ch);
      break;
    case Dest::ColourTable:
      if (ch == ';') CommitColour();
      break;
    case Dest::Skip: break;
  }
}

void Reader::AddText(char16_t ch) {
  EnsureContent();
  if (!(State().chr == m_runProps)) {
    FlushRun();
    m_runProps = State().chr;
  }
  m_run += QChar(ch);
}

// Paragraph marks and cell ends become real only when something follows them,
// so the mark that ends the last paragraph does not leave an empty one behind.
void Reader::EnsureContent() {
  if (m_pendingPars > 0) {
    FlushRun();
    m_cursor.insertBlock(QTextBlockFormat(), CharFormat(State().chr));
    m_pendingPars = 0;
  }
  if (m_pendingCell) {
    m_pendingCell = false;
    AddText('\t');
  }
}

void Reader::FlushRun() {
  if (m_run.isEmpty()) return;
  m_cursor.insertText(m_run, CharFormat(m_runProps));
  m_run.clear();
}

void Reader::Paragraph(bool endsRow) {
  if (State().dest != Dest::Text) return;
  FlushRun();
  if (m_pendingPars > 0) m_cursor.insertBlock(QTextBlockFormat(), CharFormat(State().chr));
  if (endsRow) m_pendingCell = false;
  if (m_pendingCell) {
    m_pendingCell = false;
    AddText('\t');
    FlushRun();
  }
  m_cursor.setBlockFormat(BlockFormat(State().align));
  if (m_cursor.block().text().isEmpty()) m_cursor.setBlockCharFormat(CharFormat(State().chr));
  m_pendingPars = 1;
}

void Reader::Finish() {
  FlushBytes();
  FlushRun();
  // A last paragraph without a mark of its own takes the properties in force at the end.
  if (m_pendingPars == 0) m_cursor.setBlockFormat(BlockFormat(State().align));
}

QTextCharFormat Reader::CharFormat(const CharProps& props) const {
  QTextCharFormat f;
  const auto font = m_fonts.constFind(props.font >= 0 ? props.font : m_defaultFont);
  if (font != m_fonts.constEnd() && !font->name.isEmpty()) f.setFontFamilies({font->name});
  f.setFontPointSize(props.halfPoints / 2.0);
  f.setFontWeight(props.bold ? QFont::Bold : QFont::Normal);
  f.setFontItalic(props.italic);
  f.setUnderlineStyle(props.underline);
  f.setFontStrikeOut(props.strike);
  const auto colour = [this](int index) -> std::optional<QColor> {
    if (index <= 0 || static_cast<size_t>(index) >= m_colours.size()) return std::nullopt;
    return m_colours[index];
  };
  if (const auto c = colour(props.colour)) f.setForeground(*c);
  if (const auto c = colour(props.highlight)) f.setBackground(*c);
  if (props.vertical != 0)
    f.setVerticalAlignment(props.vertical > 0 ? QTextCharFormat::AlignSuperScript : QTextCharFormat::AlignSubScript);
  return f;
}

QTextBlockFormat Reader::BlockFormat(Align align) const {
  QTextBlockFormat f;
  switch (align) {
    case Align::Left: f.setAlignment(Qt::AlignLeft); break;
    case Align::Centre: f.setAlignment(Qt::AlignHCenter); break;
    case Align::Right: f.setAlignment(Qt::AlignRight); break;
    case Align::Justify: f.setAlignment(Qt::AlignJustify); break;
  }
  return f;
}

void Reader::CommitFont() {
  FlushBytes();
  if (m_fontNumber >= 0 && (m_fonts.size() < kMaxFonts || m_fonts.contains(m_fontNumber))) {
    m_fontEntry.name = m_fontEntry.name.trimmed();
    if (!m_fontEntry.name.isEmpty() || !m_fonts.contains(m_fontNumber)) m_fonts.insert(m_fontNumber, m_fontEntry);
  }
  m_fontNumber = -1;
  m_fontEntry = {};
}

void Reader::CommitColour() {
  if (m_colours.size() < kMaxColours)
    m_colours.push_back(m_colourSet ? std::optional<QColor>(QColor(m_red, m_green, m_blue)) : std::nullopt);
  m_red = m_green = m_blue = 0;
  m_colourSet = false;
}

// Text that is not RTF: UTF-8 when it decodes cleanly, else Windows-1252.
QString PlainText(QByteArrayView data) {
  if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
  QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = utf8.decode(data);
  if (!utf8.hasError()) return text;
  CodePageDecoder decoder;
  return decoder.Decode(data, kCodePage1252);
}

}  // namespace

ReadResult ReadRtf(QByteArrayView data, QTextDocument& doc) {
  ReadResult result;
  const bool undo = doc.isUndoRedoEnabled();
  doc.setUndoRedoEnabled(false);
  doc.clear();
  QByteArrayView body = data;
  if (body.startsWith("\xEF\xBB\xBF")) body = body.sliced(3);
  while (!body.isEmpty() && (body.front() == ' ' || body.front() == '\t' || body.front() == '\r' || body.front() == '\n'))
    body = body.sliced(1);
  if (!body.startsWith("{\\rtf")) {
    doc.setPlainText(PlainText(data));
  } else {
    result.bRtf = true;
    QTextCursor probe(&doc);
    probe.beginEditBlock();
    Reader reader(body, doc);
    result.bDamaged = !reader.Run();
    probe.endEditBlock();
  }
  doc.setUndoRedoEnabled(undo);
  doc.setModified(false);
  return result;
}

}  // namespace rtf
