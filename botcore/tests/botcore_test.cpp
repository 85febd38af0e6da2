#include "botcore/botcore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "rules/ruledb.h"
#include "testutil.h"

namespace fs = std::filesystem;

namespace {

// The engine is one per process: each test points it at its own folder and
// leaves it started.
class Robot : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("botcore_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
    m_file = m_dir / "robot-rules.txt";
    ASSERT_TRUE(RobotSetRulesFile(m_file.string()));
  }
  void TearDown() override {
    RobotStart();
    RobotSetRulesFile("");
    fs::remove_all(m_dir);
  }
  void Write(const std::string& text) { std::ofstream(m_file, std::ios::binary) << text; }
  fs::path m_dir, m_file;
};

}  // namespace

// No file gives an empty robot, which can be filled, saved and talked to.
TEST_F(Robot, EditsAreSavedAndUsed) {
  EXPECT_EQ(Chatterbot("Qapla'"), "jIyajbe'.\n(I do not understand.)");
  EXPECT_EQ(RobotRulesProblem(), "The robot has no rules: " + m_file.string() + " was not found.");
  CRuleDB* db = RobotStop();
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(db->GetSize(), 0);
  EXPECT_EQ(RobotStop(), nullptr);  // already handed out
  EXPECT_FALSE(RobotSetRulesFile((m_dir / "other.txt").string()));
  EXPECT_EQ(Chatterbot("Qapla'"), "");  // stopped
  CRule bye("<bye>", 0.5);
  bye.m_arrPatterns = {{100, "Qapla'"}};
  bye.m_strResponse = "Qapla'!";
  db->Add(bye);
  ASSERT_EQ(SaveRobotRules(), 1) << RobotGetLastError();
  RobotStart();

  EXPECT_EQ(Chatterbot("Qapla'"), "Qapla'!");
  EXPECT_EQ(RobotRulesProblem(), "");
  CRuleDB back;
  ASSERT_EQ(back.ImportFromTextFile(m_file.string()), 1);
  EXPECT_EQ(back.GetSize(), 1);
}

TEST_F(Robot, DamagedFileIsNeverOverwrittenAndMendedOneIsRead) {
  const std::string damaged = "robot-rules 1\nrule <a>\nactivation lots\nend\n";
  Write(damaged);
  EXPECT_EQ(Chatterbot("nuqneH"), "jIyajbe'.\n(I do not understand.)");
  const std::string why = RobotRulesProblem();
  EXPECT_NE(why.find("cannot read its rules"), std::string::npos);
  EXPECT_NE(why.find("line 3: bad activation level"), std::string::npos);
  EXPECT_EQ(RobotStop(), nullptr);
  RobotStart();
  EXPECT_EQ(SaveRobotRules(), 0);
  EXPECT_EQ(botcore::test::ReadAll(m_file.string()), damaged);

  // Mended outside the program: the next start picks it up, and each start
  // begins a fresh conversation.
  Write("robot-rules 1\n"
        "rule <ask>\nactivation 0.5\npattern 100 ask\nresponse 'Iv SoH?\neffect + <name>\nend\n"
        "rule <name>\nactivation 0\npattern 100 *\nresponse nuqneH, $1!\nend\n");
  RobotStart();
  EXPECT_EQ(Chatterbot("ask"), "'Iv SoH?");
  RobotStart();
  EXPECT_EQ(Chatterbot("Kor"), "jIyajbe'.\n(I do not understand.)");
  EXPECT_EQ(Chatterbot("ask"), "'Iv SoH?");
  EXPECT_EQ(Chatterbot("Kor"), "nuqneH, Kor!");
}
