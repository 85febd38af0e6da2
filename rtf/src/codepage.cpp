#include "codepage.h"

#include <array>
#include <string>

namespace rtf {

namespace {

// 0x80-0x9F of Windows-1252; the five unassigned bytes keep their C1 values,
// as Windows itself decodes them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

int CodePageOfCharset(int charset) {
  switch (charset) {
    case 2: return kCodePageSymbol;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return 0;  // ANSI, default, and unknown sets follow \ansicpg
  }
}

char16_t Cp1252ToUnicode(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char16_t(byte);
}

unsigned char UnicodeToCp1252(char16_t ch) {
  if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return static_cast<unsigned char>(ch);
  for (size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == ch && !(ch >= 0x80 && ch < 0xA0)) return static_cast<unsigned char>(0x80 + i);
  return 0;
}

QStringDecoder* CodePageDecoder::DecoderFor(int codePage) {
  auto it = m_decoders.find(codePage);
  if (it != m_decoders.end()) return it->second.get();
  std::unique_ptr<QStringDecoder> decoder;
  if (codePage == 65001) {
    decoder = std::make_unique<QStringDecoder>(QStringConverter::Utf8);
  } else if (codePage > 0 && m_decoders.size() < 64) {
    const std::string n = std::to_string(codePage);
    const std::string names[] = {codePage == 10000 ? "macintosh" : "windows-" + n, "cp" + n, "IBM" + n};
    for (const auto& name : names) {
      auto d = std::make_unique<QStringDecoder>(name.c_str());
      if (d->isValid()) {
        decoder = std::move(d);
        break;
      }
    }
  }
  QStringDecoder* raw = decoder.get();
  m_decoders.emplace(codePage, std::move(decoder));
  return raw;
}

QString CodePageDecoder::Decode(QByteArrayView bytes, int codePage) {
  QString out;
  if (codePage == kCodePageSymbol) {
    out.reserve(bytes.size());
    for (char b : bytes) out += QChar(static_cast<unsigned char>(b));
    return out;
  }
  if (codePage != kCodePage1252) {
    if (QStringDecoder* d = DecoderFor(codePage)) {
      d->resetState();
      out = d->decode(bytes);
      return out;
    }
  }
  out.reserve(bytes.size());
  for (char b : bytes) out += QChar(Cp1252ToUnicode(static_cast<unsigned char>(b)));
  return out;
}

}  // namespace rtf
