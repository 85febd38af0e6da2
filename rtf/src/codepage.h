#pragma once
// Single- and double-byte code pages of RTF text (\ansicpg, \fcharset, \cpg).
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

namespace rtf {

// Code page numbers with a meaning of their own here.
inline constexpr int kCodePageSymbol = -2;  // symbol fonts: byte value is the character
inline constexpr int kCodePage1252 = 1252;

// The code page a font's \fcharset stands for; 0 when the document's own page applies.
int CodePageOfCharset(int charset);

// Windows-1252 without any lookup outside this file; also the fallback for
// pages the platform cannot decode.
char16_t Cp1252ToUnicode(unsigned char byte);
// The Windows-1252 byte of a character, or 0 when it has none.
unsigned char UnicodeToCp1252(char16_t ch);

// Decodes byte runs in any code page, keeping one decoder per page.
class CodePageDecoder {
 public:
  QString Decode(QByteArrayView bytes, int codePage);

 private:
  QStringDecoder* DecoderFor(int codePage);
  std::map<int, std::unique_ptr<QStringDecoder>> m_decoders;  // null: not available
};

}  // namespace rtf
