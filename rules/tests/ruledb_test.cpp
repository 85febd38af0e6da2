#include "rules/ruledb.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include "datafile/atomicfile.h"

namespace fs = std::filesystem;

namespace {

CRuleDB ThreeRules() {
  CRuleDB db;
  db.Add(CRule("<a>", 0.5));
  db.Add(CRule("<b>", 0.0));
  db.Add(CRule("<c>"));
  return db;
}

}  // namespace

TEST(RuleDB, LookupEditDeleteReset) {
  CRuleDB db = ThreeRules();
  CRule rule;
  EXPECT_EQ(db.GetRule("<b>", rule), 1);
  EXPECT_EQ(rule.m_strName, "<b>");
  EXPECT_EQ(db.GetRule("b", rule), 0);
  EXPECT_EQ(db.GetRule("<B>", rule), 0);  // names are case-sensitive

  CRule edited("<b>", 0.8);
  edited.m_strResponse = "maj";
  EXPECT_EQ(db.EditRule(edited), 1);
  EXPECT_EQ(db.FindRule("<b>"), 1);  // keeps its place
  EXPECT_EQ(db[1].m_strResponse, "maj");
  EXPECT_EQ(db.EditRule(CRule("<missing>")), 0);

  db[0].m_dCurrentActivation = 0.0;
  db[1].m_dCurrentActivation = 1.0;
  db.ResetDefaultActivations();
  EXPECT_EQ(db[0].m_dCurrentActivation, 0.5);
  EXPECT_EQ(db[1].m_dCurrentActivation, 0.8);

  EXPECT_EQ(db.DeleteRule("<a>"), 1);
  EXPECT_EQ(db.DeleteRule("<a>"), 0);
  ASSERT_EQ(db.GetSize(), 2);
  EXPECT_EQ(db[0].m_strName, "<b>");
}

TEST(RuleDB, ExportImportRoundTripAndFailures) {
  const fs::path dir = fs::temp_directory_path() / ("rules_test_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  auto FileCount = [&] { return std::distance(fs::directory_iterator(dir), {}); };
  CRuleDB db = ThreeRules();
  db.SetVersion("2.1 test");
  db[0].m_arrPatterns = {{100, "nuqneH"}};
  db[0].m_strResponse = "nuqneH!\n(Hello!)";
  db[0].m_arrMods = {{true, {"<b>", "<c>"}}};
  const std::string path = (dir / "out.txt").string();
  ASSERT_EQ(db.ExportToTextFile(path), 1) << db.GetLastError();
  CRuleDB back;
  ASSERT_EQ(back.ImportFromTextFile(path), 1) << back.GetLastError();
  EXPECT_TRUE(back.IsSameAs(db));
  EXPECT_EQ(back.GetVersion(), "2.1 test");
  EXPECT_EQ(FileCount(), 1);  // no temporary left beside the export

  // A failed import keeps the database.
  EXPECT_EQ(db.ImportFromTextFile((dir / "missing.txt").string()), 0);
  EXPECT_FALSE(db.GetLastError().empty());
  EXPECT_EQ(db.ImportFromTextFile(dir.string()), 0);  // a folder
  std::ofstream(path, std::ios::binary) << "robot-rules 1\nrule <x>\nactivation 0.5\n";
  EXPECT_EQ(db.ImportFromTextFile(path), 0);
  EXPECT_EQ(db.GetLastError(), "line 2: rule <x> has no \"end\"");
  EXPECT_EQ(db.GetSize(), 3);

  // A failed export leaves the old file.
  const auto previous = datafile::SetRenameFunction([](const char*, const char*) {
    errno = EIO;
    return -1;
  });
  EXPECT_EQ(db.ExportToTextFile(path), 0);
  datafile::SetRenameFunction(previous);
  EXPECT_FALSE(db.GetLastError().empty());
  std::stringstream old;
  old << std::ifstream(path, std::ios::binary).rdbuf();
  EXPECT_EQ(old.str(), "robot-rules 1\nrule <x>\nactivation 0.5\n");
  EXPECT_EQ(FileCount(), 1);
  EXPECT_EQ(db.ExportToTextFile((dir / "no" / "such" / "dir.txt").string()), 0);
  fs::remove_all(dir);
}
