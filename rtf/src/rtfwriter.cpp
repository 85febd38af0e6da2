#include "rtf/rtfwriter.h"

#include <QColor>
#include <QHash>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <algorithm>
#include <optional>

#include "codepage.h"

namespace rtf {

namespace {

constexpr int kMaxLine = 200;  // lines are broken for people who read the file, not for readers

struct RunProps {
  int font = 0;
  int halfPoints = 24;
  int colour = 0;
  int highlight = 0;
  QTextCharFormat::UnderlineStyle underline = QTextCharFormat::NoUnderline;
  int vertical = 0;
  bool bold = false;
  bool italic = false;
  bool strike = false;
  bool operator==(const RunProps&) const = default;
};

const char* UnderlineWord(QTextCharFormat::UnderlineStyle style) {
  switch (style) {
    case QTextCharFormat::SingleUnderline: return "ul";
    case QTextCharFormat::DashUnderline: return "uldash";
    case QTextCharFormat::DotLine: return "uld";
    case QTextCharFormat::DashDotLine: return "uldashd";
    case QTextCharFormat::DashDotDotLine: return "uldashdd";
    case QTextCharFormat::WaveUnderline: return "ulwave";
    default: return nullptr;  // no underline, or the spell checker's marks
  }
}

const char* AlignWord(Qt::Alignment align) {
  if (align & Qt::AlignHCenter) return "qc";
  if (align & Qt::AlignJustify) return "qj";
  if (align & (Qt::AlignRight | Qt::AlignTrailing)) return "qr";
  return "ql";
}

class Writer {
 public:
  explicit Writer(const QTextDocument& doc) : m_doc(doc) {
    const QFont font = doc.defaultFont();
    m_defaultFamily = font.family();
    m_defaultSize = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
  }

  QByteArray Write();

 private:
  void CollectTables();
  int FontIndex(const QString& family);
  int ColourIndex(const QColor& colour);
  RunProps Props(const QTextCharFormat& format);

  void WriteProps(const RunProps& props);
  void Word(const char* word);
  void Word(const char* word, int param);
  void Text(QStringView text, bool fontName = false);
  void Raw(const char* text);
  void TextByte(char c);
  void Newline();

  const QTextDocument& m_doc;
  QString m_defaultFamily;
  qreal m_defaultSize;
  QStringList m_fonts;
  QHash<QString, int> m_fontIndex;
  QList<QRgb> m_colours;
  QHash<QRgb, int> m_colourIndex;

  QByteArray m_out;
  qsizetype m_lineStart = 0;
  bool m_needDelim = false;  // the last thing written was a control word
  std::optional<RunProps> m_props;
};

int Writer::FontIndex(const QString& family) {
  const auto it = m_fontIndex.constFind(family);
  if (it != m_fontIndex.constEnd()) return *it;
  m_fonts.append(family);
  m_fontIndex.insert(family, m_fonts.size() - 1);
  return m_fonts.size() - 1;
}

int Writer::ColourIndex(const QColor& colour) {
  const QRgb rgb = colour.rgb();
  const auto it = m_colourIndex.constFind(rgb);
  if (it != m_colourIndex.constEnd()) return *it;
  m_colours.append(rgb);
  m_colourIndex.insert(rgb, m_colours.size());  // index 0 is the automatic colour
  return m_colours.size();
}

RunProps Writer::Props(const QTextCharFormat& format) {
  RunProps p;
  QString family = format.fontFamilies().toStringList().value(0);
  p.font = FontIndex(family.isEmpty() ? m_defaultFamily : family);
  const qreal size = format.hasProperty(QTextFormat::FontPointSize) && format.fontPointSize() > 0
                         ? format.fontPointSize()
                         : m_defaultSize;
  p.halfPoints = std::clamp(qRound(size * 2), 1, 3276);
  p.bold = format.fontWeight() >= QFont::DemiBold;
  p.italic = format.fontItalic();
  p.strike = format.fontStrikeOut();
  p.underline = UnderlineWord(format.underlineStyle()) ? format.underlineStyle() : QTextCharFormat::NoUnderline;
  if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
    p.colour = ColourIndex(format.foreground().color());
  if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
    p.highlight = ColourIndex(format.background().color());
  if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) p.vertical = 1;
  if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) p.vertical = -1;
  return p;
}

void Writer::CollectTables() {
  FontIndex(m_defaultFamily);  // \deff0
  for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
    Props(block.charFormat());
    for (auto it = block.begin(); !it.atEnd(); ++it)
      if (it.fragment().isValid()) Props(it.fragment().charFormat());
  }
}

void Writer::Newline() {
  m_out += "\r\n";
  m_lineStart = m_out.size();
  m_needDelim = false;  // a line break ends a control word as well as a space does
}

void Writer::Word(const char* word) {
  if (m_out.size() - m_lineStart > kMaxLine) Newline();
  m_out += '\\';
  m_out += word;
  m_needDelim = true;
}

void Writer::Word(const char* word, int param) {
  Word(word);
  m_out += QByteArray::number(param);
}

void Writer::Raw(const char* text) {
  if (m_out.size() - m_lineStart > kMaxLine) Newline();
  m_out += text;
  m_needDelim = false;
}

void Writer::TextByte(char c) {
  if (c == ' ' && m_out.size() - m_lineStart > kMaxLine) Newline();  // readers ignore line ends in text
  if (m_needDelim) m_out += ' ';
  m_out += c;
  m_needDelim = false;
}

void Writer::Text(QStringView text, bool fontName) {
  for (const QChar qc : text) {
    const char16_t ch = qc.unicode();
    if (ch == '\\' || ch == '{' || ch == '}') {
      const char escaped[3] = {'\\', static_cast<char>(ch), 0};
      Raw(escaped);
    } else if (ch >= 0x20 && ch < 0x7F) {
      if (!(fontName && ch == ';')) TextByte(static_cast<char>(ch));
    } else if (ch == '\t') {
      Word("tab");
    } else if (ch == QChar::LineSeparator || ch == '\n') {
      Word("line");
    } else if (ch == 0x00A0) {
      Raw("\\~");
    } else if (ch == 0x00AD) {
      Raw("\\-");
    } else if (ch == 0x2011) {
      Raw("\\_");
    } else if (ch < 0x20 || ch == 0x7F || ch == QChar::ObjectReplacementCharacter || ch == QChar::ParagraphSeparator) {
      // control characters and embedded objects have no text to write
    } else {
      Word("u", ch >= 0x8000 ? static_cast<int>(ch) - 0x10000 : static_cast<int>(ch));
      if (const unsigned char b = UnicodeToCp1252(ch)) {
        static const char hex[] = "0123456789abcdef";
        const char escaped[5] = {'\\', '\'', hex[b >> 4], hex[b & 15], 0};
        Raw(escaped);
      } else {
        Raw("?");
      }
    }
  }
}

void Writer::WriteProps(const RunProps& p) {
  if (m_props && *m_props == p) return;
  // LibreOffice loses the rest of the paragraph when \plain ends a raised run itself.
  if (m_props && m_props->vertical) Word("nosupersub");
  m_props = p;
  Word("plain");
  Word("f", p.font);
  Word("fs", p.halfPoints);
  if (p.bold) Word("b");
  if (p.italic) Word("i");
  if (const char* ul = UnderlineWord(p.underline)) Word(ul);
  if (p.strike) Word("strike");
  if (p.colour) Word("cf", p.colour);
  if (p.highlight) Word("highlight", p.highlight);
  if (p.vertical) Word(p.vertical > 0 ? "super" : "sub");
}

QByteArray Writer::Write() {
  CollectTables();
  m_out.reserve(m_doc.characterCount() * 11 / 10 + 1024);
  Raw("{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1");
  Newline();
  Raw("{");
  Word("fonttbl");
  for (int i = 0; i < m_fonts.size(); ++i) {
    Raw("{");
    Word("f", i);
    Word("fnil");
    Word("fcharset", 0);
    Text(m_fonts[i], true);
    Raw(";}");
  }
  Raw("}");
  Newline();
  Raw("{");
  Word("colortbl");
  Raw(";");
  for (const QRgb rgb : m_colours) {
    Word("red", qRed(rgb));
    Word("green", qGreen(rgb));
    Word("blue", qBlue(rgb));
    Raw(";");
  }
  Raw("}");
  Newline();

  const char* align = nullptr;
  for (QTextBlock block = m_doc.begin(); block.isValid(); block = block.next()) {
    const char* blockAlign = AlignWord(block.blockFormat().alignment());
    if (!align || qstrcmp(align, blockAlign) != 0) {
      align = blockAlign;
      Word("pard");
      Word(align);
    }
    bool any = false;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.isValid()) continue;
      WriteProps(Props(fragment.charFormat()));
      Text(fragment.text());
      any = true;
    }
    if (!any) WriteProps(Props(block.charFormat()));  // an empty line keeps its height
    Word("par");
    Newline();
  }
  Raw("}");
  Newline();
  return m_out;
}

}  // namespace

QByteArray WriteRtf(const QTextDocument& doc) { return Writer(doc).Write(); }

}  // namespace rtf
