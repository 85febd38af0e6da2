#include "wordbank/archive.h"

#include <gtest/gtest.h>

#include "wordbank/textcodec.h"

TEST(Archive, CountedStringLengthForms) {
  // One length byte below 255, 0xFF + 16 bits below 65534, else 0xFF FFFF + 32 bits.
  struct Case { size_t len; size_t header; };
  for (Case c : {Case{0, 1}, Case{254, 1}, Case{255, 3}, Case{65533, 3}, Case{65534, 7},
                 Case{70000, 7}}) {
    CArchive out;
    out.WriteString(std::string(c.len, 'x'));
    ASSERT_EQ(out.Buffer().size(), c.header + c.len) << c.len;
    CArchive in(out.Buffer());
    EXPECT_EQ(in.ReadString().size(), c.len);
    EXPECT_EQ(in.Remaining(), 0u);
  }
  CArchive out;
  out.WriteString(std::string(300, 'a'));
  EXPECT_EQ(static_cast<unsigned char>(out.Buffer()[0]), 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(out.Buffer()[1]), 300 & 0xFF);
  EXPECT_EQ(static_cast<unsigned char>(out.Buffer()[2]), 300 >> 8);
}

TEST(Archive, NumbersAreLittleEndianAndRoundTrip) {
  CArchive out;
  out.WriteU32(0x01020304);
  out.WriteI32(-2);
  out.WriteDouble(1.0 / 1.1);
  const std::string& b = out.Buffer();
  ASSERT_EQ(b.size(), 16u);
  EXPECT_EQ(b.substr(0, 4), std::string("\x04\x03\x02\x01", 4));
  CArchive in(b);
  EXPECT_EQ(in.ReadU32(), 0x01020304u);
  EXPECT_EQ(in.ReadI32(), -2);
  EXPECT_EQ(in.ReadDouble(), 1.0 / 1.1);
}

TEST(Archive, TextsAreWindows1252OnDisk) {
  CArchive out;
  out.WriteString("caf\xC3\xA9 \xE2\x82\xAC \xE2\x98\x83");  // café € ☃
  EXPECT_EQ(out.Buffer(), std::string("\x08" "caf\xE9 \x80 ?"));
  CArchive in(out.Buffer());
  EXPECT_EQ(in.ReadString(), "caf\xC3\xA9 \xE2\x82\xAC ?");
  // Every byte decodes, so any stored text loads.
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  EXPECT_EQ(wordbank::Utf8ToCp1252(wordbank::Cp1252ToUtf8(all)), all);
  EXPECT_EQ(wordbank::Utf8ToCp1252("\xC3"), "?");  // truncated sequence
}

TEST(Archive, TruncatedDataFailsCleanly) {
  CArchive out;
  out.WriteU32(7);
  out.WriteString("Qapla'");
  out.WriteDouble(2.5);
  const std::string full = out.Buffer();
  for (size_t cut = 0; cut < full.size(); ++cut) {
    CArchive in(std::string_view(full).substr(0, cut));
    EXPECT_THROW(
        {
          in.ReadU32();
          in.ReadString();
          in.ReadDouble();
        },
        CArchiveException)
        << "cut at " << cut;
  }
  // A long-form length that claims more than is there.
  CArchive in(std::string("\xFF\xFF\xFF\xFF\xFF\xFF\x7F" "abc", 10));
  EXPECT_THROW(in.ReadString(), CArchiveException);
}

TEST(Archive, AbsurdCountsAreRejectedBeforeAllocating) {
  CArchive out;
  out.WriteU32(0xFFFFFFFF);
  out.WriteU32(1);
  CArchive in(out.Buffer());
  EXPECT_THROW(in.ReadCount(1), CArchiveException);
  CArchive in2(out.Buffer().substr(4));
  EXPECT_THROW(in2.ReadCount(1), CArchiveException);  // one item but no bytes left
  CArchive in3(out.Buffer().substr(4) + "x");
  EXPECT_EQ(in3.ReadCount(1), 1u);
}
