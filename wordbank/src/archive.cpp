#include "wordbank/archive.h"

#include <cstring>

#include "wordbank/textcodec.h"

using wordbank::Cp1252ToUtf8;
using wordbank::Utf8ToCp1252;

CArchive::CArchive() : m_bStoring(true) {}

CArchive::CArchive(std::string_view data) : m_bStoring(false), m_data(data) {}

void CArchive::WriteU32(uint32_t v) {
  for (int i = 0; i < 4; ++i) m_buffer += static_cast<char>((v >> (8 * i)) & 0xFF);
}

void CArchive::WriteDouble(double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  for (int i = 0; i < 8; ++i) m_buffer += static_cast<char>((bits >> (8 * i)) & 0xFF);
}

void CArchive::WriteBytes(std::string_view bytes) { m_buffer.append(bytes); }

void CArchive::WriteString(std::string_view text) {
  const std::string bytes = Utf8ToCp1252(text);
  const size_t n = bytes.size();
  auto put16 = [this](uint32_t v) {
    m_buffer += static_cast<char>(v & 0xFF);
    m_buffer += static_cast<char>((v >> 8) & 0xFF);
  };
  if (n < 255) {
    m_buffer += static_cast<char>(n);
  } else if (n < 0xFFFE) {
    m_buffer += static_cast<char>(0xFF);
    put16(static_cast<uint32_t>(n));
  } else {
    m_buffer += static_cast<char>(0xFF);
    put16(0xFFFF);
    WriteU32(static_cast<uint32_t>(n));
  }
  m_buffer += bytes;
}

void CArchive::Need(size_t n, const char* what) const {
  if (m_bStoring) throw CArchiveException("archive is not open for reading");
  if (n > Remaining())
    throw CArchiveException(std::string("unexpected end of data while reading ") + what);
}

uint32_t CArchive::ReadU32() {
  Need(4, "an integer");
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i)
    v |= static_cast<uint32_t>(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i);
  m_pos += 4;
  return v;
}

double CArchive::ReadDouble() {
  Need(8, "a number");
  uint64_t bits = 0;
  for (int i = 0; i < 8; ++i)
    bits |= static_cast<uint64_t>(static_cast<unsigned char>(m_data[m_pos + i])) << (8 * i);
  m_pos += 8;
  double v;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

std::string CArchive::ReadString() {
  Need(1, "a text length");
  size_t n = static_cast<unsigned char>(m_data[m_pos++]);
  if (n == 0xFF) {
    Need(2, "a text length");
    n = static_cast<unsigned char>(m_data[m_pos]) |
        (static_cast<size_t>(static_cast<unsigned char>(m_data[m_pos + 1])) << 8);
    m_pos += 2;
    if (n == 0xFFFF) n = ReadU32();
  }
  Need(n, "a text");
  std::string_view bytes = m_data.substr(m_pos, n);
  m_pos += n;
  return Cp1252ToUtf8(bytes);
}

uint32_t CArchive::ReadCount(size_t minItemBytes) {
  const uint32_t n = ReadU32();
  if (minItemBytes == 0) minItemBytes = 1;
  if (n > Remaining() / minItemBytes)
    throw CArchiveException("a count of " + std::to_string(n) + " items is larger than the data");
  return n;
}

