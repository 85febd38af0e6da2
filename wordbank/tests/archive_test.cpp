#include "wordbank/archive.h"

#include <gtest/gtest.h>

#include "wordbank/textcodec.h"

namespace {
std::string Hex(std::string_view bytes) {
  std::string out;
  for (unsigned char c : bytes) out += {"0123456789abcdef"[c >> 4], "0123456789abcdef"[c & 15]};
  return out;
}
}  // namespace

TEST(Archive, CountedStringLengthForms) {
  // One length byte below 255, 0xFF + 16 bits below 65534, else 0xFF FFFF + 32 bits.
  const std::pair<size_t, std::string> cases[] = {
      {0, "00"},           {254, "fe"},           {255, "ffff00"},
      {65533, "fffdff"},   {65534, "fffffffeff0000"}, {70000, "ffffff70110100"}};
  for (const auto& [len, header] : cases) {
    CArchive out;
    out.WriteString(std::string(len, 'x'));
    ASSERT_EQ(out.Buffer().size(), header.size() / 2 + len) << len;
    EXPECT_EQ(Hex(out.Buffer().substr(0, header.size() / 2)), header);
    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadString().size(), len);
    EXPECT_EQ(in.Remaining(), 0u);
  }
}

// Little-endian numbers; texts stored as Windows-1252, '?' for what it lacks.
TEST(Archive, LayoutAndRoundTrip) {
  CArchive out;
  out.WriteU32(0x01020304);
  out.WriteI32(-2);
  out.WriteDouble(1.0 / 1.1);
  out.WriteString("caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83");  // café € ☃
  EXPECT_EQ(Hex(out.Buffer()), "04030201feffffff175d74d14517ed3f" "08636166e92080203f");
  CArchive in(out.Buffer());
  EXPECT_EQ(in.ReadU32(), 0x01020304u);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_EQ(in.ReadDouble(), 1.0 / 1.1);
  EXPECT_EQ(in.ReadString(), "caf\xC3\xA9 \xE2\x82\xAC ?");
  EXPECT_EQ(in.Remaining(), 0u);
  // Every byte decodes, so any stored text loads.
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(wordbank::Utf8ToCp1252(wordbank::Cp1252ToUtf8(all)), all);
  EXPECT_EQ(wordbank::Utf8ToCp1252("\xC3"), "?");  // truncated sequence
}

TEST(Archive, TruncatedDataAndAbsurdCountsFailCleanly) {
  CArchive out;
  out.WriteU32(7);
  out.WriteString("Qapla'");
  out.WriteDouble(2.5);
  const std::string full = out.Buffer();
  for (size_t cut = 0; cut < full.size(); ++cut) {
    CArchive in(std::string_view(full).substr(0, cut));
    EXPECT_THROW((in.ReadU32(), in.ReadString(), in.ReadDouble()), CArchiveException) << cut;
  }
  // A long-form length that claims more than is there.
  const std::string longForm("\xFF\xFF\xFF\xFF\xFF\xFF\x7F" "abc", 10);
  CArchive in(longForm);
  EXPECT_THROW(in.ReadString(), CArchiveException);
  // Counts are checked against the bytes left before anything is allocated.
  const std::string_view counts("\xFF\xFF\xFF\xFF\x01\0\0\0x", 9);
  CArchive huge(counts.substr(0, 8)), noBytes(counts.substr(4, 4)), enough(counts.substr(4));
  EXPECT_THROW(huge.ReadCount(1), CArchiveException);
  EXPECT_THROW(noBytes.ReadCount(1), CArchiveException);
  EXPECT_EQ(enough.ReadCount(1), 1u);
}
