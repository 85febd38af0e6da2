#pragma once
// A binary store for integers, doubles and counted strings over a memory buffer,
// in the layout of the framework archives our data files were first written with:
// little-endian integers, IEEE doubles, and counted strings of Windows-1252 bytes.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// Thrown when a load runs past the end of its data or meets an impossible count.
class CArchiveException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CArchive {
 public:
  // An archive that stores into an internal buffer.
  CArchive();
  // An archive that loads from `data`, which must outlive it.
  explicit CArchive(std::string_view data);
  // The archive keeps a view of its data: a temporary would leave it dangling.
  explicit CArchive(std::string&&) = delete;

  bool IsStoring() const { return m_bStoring; }
  bool IsLoading() const { return !m_bStoring; }

  void WriteU32(uint32_t v);
  void WriteI32(int32_t v) { WriteU32(static_cast<uint32_t>(v)); }
  void WriteDouble(double v);
  // Texts are UTF-8 in memory and Windows-1252 in the archive.
  void WriteString(std::string_view text);
  void WriteBytes(std::string_view bytes);

  uint32_t ReadU32();
  int32_t ReadI32() { return static_cast<int32_t>(ReadU32()); }
  double ReadDouble();
  std::string ReadString();
  // A count of items that each take at least `minItemBytes` bytes: a count that
  // the remaining data cannot hold is rejected before anything is allocated.
  uint32_t ReadCount(size_t minItemBytes);

  // Bytes not yet read (loading).
  size_t Remaining() const { return m_data.size() - m_pos; }
  // The stored bytes (storing).
  const std::string& Buffer() const { return m_buffer; }
  std::string TakeBuffer() { return std::move(m_buffer); }

 private:
  void Need(size_t n, const char* what) const;

  bool m_bStoring;
  std::string m_buffer;
  std::string_view m_data;
  size_t m_pos = 0;
};

