#include "canon/entrydb.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

TEST(EntryDbTest, RoundTripFailedSaveAndDamagedFiles) {
  char dir[] = "/tmp/canon_testXXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  const std::string file = std::string(dir) + "/canon.klx", bad = std::string(dir) + "/bad.klx";
  CEntryDB db, back;
  db.Add({"Heghlu'meH QaQ jajvam", "Today is a good day to die.", "TKD"});
  db.Add({"Qapla'", "Success!", "TKD p. 171 \xE2\x80\x94 phrases"});
  back = db;
  EXPECT_TRUE(back.LoadFile(file));  // missing: empty, not an error
  EXPECT_EQ(back.GetCount(), 0u);
  ASSERT_TRUE(db.SaveFile(file)) << db.GetLastError();
  ASSERT_TRUE(back.LoadFile(file)) << back.GetLastError();
  EXPECT_EQ(back.GetEntries(), db.GetEntries());
  EXPECT_FALSE(back.SaveFile(std::string(dir) + "/no-such-folder/canon.klx"));
  EXPECT_FALSE(back.GetLastError().empty());

  // Every truncation, a wrong magic, an unknown version, an absurd count and
  // trailing bytes: each is rejected and leaves the database empty.
  std::ifstream in(file, std::ios::binary);
  const std::string good{std::istreambuf_iterator<char>(in), {}};
  std::vector<std::string> damaged{good + "x"};
  for (size_t n = 0; n < good.size(); ++n) damaged.push_back(good.substr(0, n));
  for (const auto& [pos, bytes] : {std::pair<size_t, std::string>{0, "X"}, {4, "\x09"},
                                   {8, "\xFF\xFF\xFF\xFF"}})
    damaged.push_back(std::string(good).replace(pos, bytes.size(), bytes));
  for (const std::string& bytes : damaged) {
    std::ofstream(bad, std::ios::binary) << bytes;
    CEntryDB loaded = db;
    EXPECT_FALSE(loaded.LoadFile(bad)) << "size " << bytes.size();
    EXPECT_EQ(loaded.GetCount(), 0u);
    EXPECT_FALSE(loaded.GetLastError().empty());
  }
  std::filesystem::remove_all(dir);
}
