#include "canon/entrydb.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "wordbank/archive.h"

namespace fs = std::filesystem;

namespace {

class EntryDbTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/canon_testXXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    m_dir = tmpl;
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string PathOf(const char* name) const { return (m_dir / name).string(); }
  void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }

  fs::path m_dir;
};

CEntryDB TwoEntries() {
  CEntryDB db;
  db.Add({"Heghlu'meH QaQ jajvam", "Today is a good day to die.", "TKD"});
  db.Add({"Qapla'", "Success!", "TKD p. 171 \xE2\x80\x94 phrases"});
  return db;
}

}  // namespace

TEST_F(EntryDbTest, MissingFileIsAnEmptyDatabase) {
  CEntryDB db = TwoEntries();
  EXPECT_TRUE(db.LoadFile(PathOf("canon.klx")));
  EXPECT_EQ(db.GetCount(), 0u);
  EXPECT_FALSE(fs::exists(PathOf("canon.klx")));
}

TEST_F(EntryDbTest, SaveAndLoadRoundTrip) {
  CEntryDB db = TwoEntries();
  ASSERT_TRUE(db.SaveFile(PathOf("canon.klx"))) << db.GetLastError();
  CEntryDB back;
  ASSERT_TRUE(back.LoadFile(PathOf("canon.klx"))) << back.GetLastError();
  EXPECT_EQ(back.GetEntries(), db.GetEntries());
}

TEST_F(EntryDbTest, DamagedFilesFailCleanly) {
  CEntryDB db = TwoEntries();
  ASSERT_TRUE(db.SaveFile(PathOf("good.klx")));
  std::string good;
  {
    std::ifstream in(PathOf("good.klx"), std::ios::binary);
    good.assign(std::istreambuf_iterator<char>(in), {});
  }
  // Every truncation, a wrong magic, an unknown version, an absurd count and
  // trailing bytes: each is rejected and leaves the database empty.
  std::vector<std::string> bad;
  for (size_t n = 0; n < good.size(); ++n) bad.push_back(good.substr(0, n));
  std::string wrongMagic = good;
  wrongMagic[0] = 'X';
  bad.push_back(wrongMagic);
  std::string wrongVersion = good;
  wrongVersion[4] = 9;
  bad.push_back(wrongVersion);
  std::string hugeCount = good;
  hugeCount[8] = hugeCount[9] = hugeCount[10] = hugeCount[11] = '\xFF';
  bad.push_back(hugeCount);
  bad.push_back(good + "x");
  for (const std::string& bytes : bad) {
    WriteBytes(PathOf("canon.klx"), bytes);
    CEntryDB loaded = TwoEntries();
    EXPECT_FALSE(loaded.LoadFile(PathOf("canon.klx"))) << "size " << bytes.size();
    EXPECT_EQ(loaded.GetCount(), 0u);
    EXPECT_FALSE(loaded.GetLastError().empty());
  }
}

TEST_F(EntryDbTest, FailedSaveKeepsTheOldFile) {
  CEntryDB db = TwoEntries();
  ASSERT_TRUE(db.SaveFile(PathOf("canon.klx")));
  CEntryDB other;
  EXPECT_FALSE(other.SaveFile(PathOf("no-such-folder/canon.klx")));
  EXPECT_FALSE(other.GetLastError().empty());
  CEntryDB back;
  ASSERT_TRUE(back.LoadFile(PathOf("canon.klx")));
  EXPECT_EQ(back.GetCount(), 2u);
}
