#include "piqadtext.h"

#include <QFont>
#include <QFontDatabase>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "charformat.h"
#include "morphan/piqad.h"
#include "morphan/piqadunicode.h"

namespace {

const QString& PiqadFace() {
  static const QString face = QString::fromUtf8(morphan::kPiqadFace.data(),
                                                qsizetype(morphan::kPiqadFace.size()));
  return face;
}

QString Convert(const QString& text, std::string (*convert)(std::string_view)) {
  const QByteArray utf8 = text.toUtf8();
  return QString::fromStdString(convert(std::string_view(utf8.constData(), size_t(utf8.size()))));
}

// The internal format our views read first, so a copy pasted back into the
// program keeps its faces (see QTextEdit::insertFromMimeData).
constexpr char kRichTextMime[] = "application/x-qrichtext";

}  // namespace

QString RegisterPiqadFont(const QString& dataDir) {
  const QString path = dataDir + (dataDir.endsWith('/') ? "" : "/") + kPiqadFontFile;
  const int id = QFontDatabase::addApplicationFont(path);
  if (id < 0) return {};
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) return {};
  // Documents name the face "KLIPIqaDmey"; an installed font of that name still wins.
  QFont::insertSubstitution(PiqadFace(), families.first());
  return families.first();
}

bool HasUnicodePiqad(const QString& text) {
  for (const QChar c : text)
    if (c.unicode() >= morphan::kCsurFirstLetter && c.unicode() <= morphan::kCsurMummification)
      return true;
  return false;
}

namespace {

// Calls fn(text, bPiqad) for each run of [start, end) in order, and '\n' between paragraphs.
template <typename Fn>
void ForEachRun(const QTextDocument& doc, int start, int end, Fn fn) {
  if (end < 0) end = doc.characterCount() - 1;
  for (QTextBlock block = doc.findBlock(start); block.isValid() && block.position() < end;
       block = block.next()) {
    if (block.position() > start) fn(QStringLiteral("\n"), false);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const int from = qMax(start, fragment.position());
      const int to = qMin(end, fragment.position() + fragment.length());
      if (from < to)
        fn(fragment.text().mid(from - fragment.position(), to - from),
           EffectiveFace(fragment.charFormat(), doc) == PiqadFace());
    }
  }
}

}  // namespace

bool HasPiqadRuns(const QTextDocument& doc) {
  bool bPiqad = false;
  ForEachRun(doc, 0, -1, [&](const QString&, bool bRunPiqad) { bPiqad = bPiqad || bRunPiqad; });
  return bPiqad;
}

namespace {

QString TextWithPiqadAs(const QTextDocument& doc, int start, int end,
                        std::string (*convert)(std::string_view), bool* pHadPiqad) {
  if (pHadPiqad) *pHadPiqad = false;
  QString out;
  ForEachRun(doc, start, end, [&](const QString& text, bool bPiqad) {
    if (!bPiqad) {
      out += text;
      return;
    }
    out += Convert(text, convert);
    if (pHadPiqad) *pHadPiqad = true;
  });
  out.replace(QChar::LineSeparator, '\n');
  return out;
}

}  // namespace

QString TextWithUnicodePiqad(const QTextDocument& doc, int start, int end, bool* pHadPiqad) {
  return TextWithPiqadAs(doc, start, end, &morphan::FontCodeToUnicodePiqad, pHadPiqad);
}

QString TextWithLatinPiqad(const QTextDocument& doc) {
  if (!HasPiqadRuns(doc)) return doc.toPlainText();
  QString text = TextWithPiqadAs(doc, 0, -1, &morphan::ToLatin, nullptr);
  text.replace(QChar::Nbsp, ' ');  // as toPlainText has it
  return text;
}

QMimeData* PiqadMimeData(const QTextCursor& cursor) {
  if (!cursor.hasSelection() || !cursor.document()) return nullptr;
  bool bPiqad = false;
  const QString text = TextWithUnicodePiqad(*cursor.document(), cursor.selectionStart(),
                                            cursor.selectionEnd(), &bPiqad);
  if (!bPiqad) return nullptr;
  auto* data = new QMimeData;
  data->setData(kRichTextMime, cursor.selection().toHtml().toUtf8());
  data->setText(text);
  return data;
}

void InsertUnicodePiqad(QTextCursor& cursor, const QString& text, bool bAsPiqad,
                        const QString& latinFace) {
  if (!bAsPiqad) {
    cursor.insertText(Convert(text, &morphan::UnicodePiqadToLatin));
    return;
  }
  const QString code = Convert(text, &morphan::UnicodePiqadToFontCode);
  QTextCharFormat piqad = cursor.charFormat(), latin = cursor.charFormat();
  piqad.setFontFamilies({PiqadFace()});
  latin.setFontFamilies({latinFace});
  const std::u16string_view view(reinterpret_cast<const char16_t*>(code.utf16()),
                                 size_t(code.size()));
  cursor.beginEditBlock();
  qsizetype done = 0;
  for (const morphan::CharRun& run : morphan::NonGlyphRuns(view)) {
    cursor.insertText(code.mid(done, qsizetype(run.start) - done), piqad);
    cursor.insertText(code.mid(qsizetype(run.start), qsizetype(run.length)), latin);
    done = qsizetype(run.start + run.length);
  }
  cursor.insertText(code.mid(done), piqad);
  cursor.endEditBlock();
}
